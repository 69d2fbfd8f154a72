#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>

class QWidget;

namespace tesmarik {

// Where a window of `size` whose top-left corner is wanted at `wanted` lies wholly within
// the available area of the screen of `near` (the task bar and the title bar's room kept
// clear), as close to where it was wanted as that allows.
QPoint WithinScreen(QPoint wanted, QSize size, const QWidget* near);

// The frame around a shown window: its title bar and its borders.
QMargins FrameOf(const QWidget& window);

}  // namespace tesmarik
