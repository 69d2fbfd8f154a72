#pragma once

#include <QWidget>
#include <memory>

#include "app/qt/QtBinding.h"
#include "common/Controls.h"

namespace tesmarik {

// Creates the widget of a control by its kind, as a child of parent, and connects the
// user's actions on it to the control's event slots through the binding.
std::unique_ptr<WidgetBinding> MakeKindBinding(QtBinding& binding, Control& control,
                                               QWidget* parent);

}  // namespace tesmarik
