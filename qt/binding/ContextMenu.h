#pragma once

#include <QWidget>

#include "controls/Controls.h"

namespace tesmarik {

class QtBinding;

// Opens the control's own context menu on the widget in place of the desktop's, and hands
// the chosen item to the window as a user action.
void OfferContextMenu(QtBinding& binding, Control& control, QWidget* widget);

// Whether the widget shows the control's menu or the desktop's, as the model now says.
void SyncContextMenu(const Control& control, QWidget* widget);

}  // namespace tesmarik
