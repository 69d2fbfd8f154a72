#pragma once

#include <QWidget>
#include <memory>

#include "controls/Controls.h"
#include "qt/binding/WidgetBinding.h"

namespace tesmarik {

class QtBinding;

// Creates the widget of a control by its kind, as a child of parent, and connects the
// user's actions on it to the control's event slots through the binding.
std::unique_ptr<WidgetBinding> MakeKindBinding(QtBinding& binding, Control& control,
                                               QWidget* parent);

}  // namespace tesmarik
