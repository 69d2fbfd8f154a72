#include "qt/platform/ScreenPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace tesmarik {

QPoint WithinScreen(QPoint wanted, QSize size, const QWidget* beside) {
    const QScreen* screen = beside != nullptr ? beside->screen() : QGuiApplication::primaryScreen();
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

QMargins FrameOf(const QWidget& window) {
#ifdef _WIN32
    // Windows' own: Qt leaves out the borders at the sides and the bottom, invisible on
    // Windows 10, which a window manager under Wine draws.
    const auto handle = reinterpret_cast<HWND>(window.winId());
    RECT whole;
    RECT client;
    POINT corner{0, 0};
    if (GetWindowRect(handle, &whole) && GetClientRect(handle, &client) &&
        ClientToScreen(handle, &corner)) {
        const qreal scale = window.devicePixelRatioF();
        const auto logical = [scale](long pixels) { return qRound(pixels / scale); };
        return {logical(corner.x - whole.left), logical(corner.y - whole.top),
                logical(whole.right - corner.x - client.right),
                logical(whole.bottom - corner.y - client.bottom)};
    }
#endif
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace tesmarik
