#include "qt/platform/ScreenPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tesmarik {

QPoint WithinScreen(QPoint wanted, QSize size, const QWidget* near) {
    const QScreen* screen = near != nullptr ? near->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return wanted;
    }
    // The window manager adds a title bar above and a border around the widget.
    constexpr int kTitleBar = 32;
    constexpr int kBorder = 8;
    const QRect room = screen->availableGeometry().adjusted(kBorder, kTitleBar, -kBorder, -kBorder);
    return {
        std::clamp(wanted.x(), room.left(), std::max(room.left(), room.right() - size.width() + 1)),
        std::clamp(wanted.y(), room.top(),
                   std::max(room.top(), room.bottom() - size.height() + 1))};
}

}  // namespace tesmarik
