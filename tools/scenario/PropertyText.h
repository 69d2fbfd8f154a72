#pragma once

#include <optional>
#include <string>

#include "controls/Controls.h"

namespace tesmarik {

// A property of a control as the scenario runner prints it (unescaped), or nothing when
// the control has no such property.
std::optional<std::string> PropertyText(const Control& control, const std::string& property);

}  // namespace tesmarik
