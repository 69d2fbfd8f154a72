#include "tests/display/XUser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QSemaphore>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

// Last: Xlib's macros (None, Bool, Status) would clash with the names of the headers above.
// clang-format off
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>
// clang-format on

namespace tesmarik {

XUser::XUser() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) {
        throw std::runtime_error("no X display");
    }
}

XUser::~XUser() {
    XCloseDisplay(display_);
}

bool XUser::WaitFor(const std::function<bool()>& condition, int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!OnGui(condition)) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void XUser::Settle(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    OnGui([] {});
}

void XUser::RunOnGui(const std::function<void()>& f) {
    // A step asked for from the program's own thread (a condition of WaitFor that asks
    // again) runs at once: waiting there for the thread itself would wait forever.
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
        f();
        return;
    }
    // Shared with the call: when the wait gives up, the call may still run later.
    struct Call {
        std::function<void()> f;
        QSemaphore done;
    };
    auto call = std::make_shared<Call>();
    call->f = f;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [call] {
            call->f();
            call->done.release();
        },
        Qt::QueuedConnection);
    constexpr int kSeconds = 60;
    if (!call->done.tryAcquire(1, kSeconds * 1000)) {
        // The caller's variables that f refers to cannot outlive this: the test ends here.
        std::fprintf(stderr,
                     "XUser: the program's thread did not run a step of the test within %d s "
                     "(a modal dialog opened inside that step, or the program hangs)\n",
                     kSeconds);
        std::fflush(stderr);
        std::_Exit(3);
    }
}

void XUser::Key(const std::string& name, const std::string& modifier) {
    const auto code = [this](const std::string& keyName) {
        const KeySym sym = XStringToKeysym(keyName.c_str());
        if (sym == NoSymbol) {
            throw std::runtime_error("no key " + keyName);
        }
        return XKeysymToKeycode(display_, sym);
    };
    std::vector<KeyCode> held;
    for (std::size_t start = 0; start < modifier.size();) {
        const std::size_t plus = std::min(modifier.find('+', start), modifier.size());
        held.push_back(code(modifier.substr(start, plus - start)));
        start = plus + 1;
    }
    for (const KeyCode key : held) {
        XTestFakeKeyEvent(display_, key, True, 0);
    }
    // A key is held for a tenth of a second, as a person holds it: what the press starts
    // (a message box that opens or closes) is over before the release arrives.
    XTestFakeKeyEvent(display_, code(name), True, 0);
    XSync(display_, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    XTestFakeKeyEvent(display_, code(name), False, 0);
    for (auto key = held.rbegin(); key != held.rend(); ++key) {
        XTestFakeKeyEvent(display_, *key, False, 0);
    }
    XSync(display_, False);
    Settle(60);
}

void XUser::Type(const std::string& text) {
    for (const char c : text) {
        switch (c) {
            case '-':
                Key("minus");
                break;
            case ',':
                Key("comma");
                break;
            case ' ':
                Key("space");
                break;
            default:
                Key(std::string(1, c));
        }
    }
}

QPoint XUser::Global(const QPointer<QWidget>& widget, QPoint at) {
    return OnGui([widget, at] {
        if (widget.isNull()) {
            return QCursor::pos();
        }
        const QPoint local = at.x() < 0 ? widget->rect().center() : at;
        return widget->mapToGlobal(local);
    });
}

void XUser::MoveTo(const QPointer<QWidget>& widget, QPoint at) {
    const QPoint p = Global(widget, at);
    XTestFakeMotionEvent(display_, -1, p.x(), p.y(), 0);
    XSync(display_, False);
    Settle(60);
}

void XUser::Button(unsigned int button) {
    XTestFakeButtonEvent(display_, button, True, 0);
    XTestFakeButtonEvent(display_, button, False, 0);
    XSync(display_, False);
    Settle(60);
}

void XUser::Click(const QPointer<QWidget>& widget, QPoint at) {
    MoveTo(widget, at);
    Button(1);
}

void XUser::RightClick(const QPointer<QWidget>& widget, QPoint at) {
    MoveTo(widget, at);
    Button(3);
}

void XUser::DoubleClick(const QPointer<QWidget>& widget, QPoint at) {
    MoveTo(widget, at);
    // Both clicks within the double-click interval: no settling between them.
    for (int i = 0; i < 2; ++i) {
        XTestFakeButtonEvent(display_, 1, True, 0);
        XTestFakeButtonEvent(display_, 1, False, 0);
        XSync(display_, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    Settle(60);
}

void XUser::Drag(const QPointer<QWidget>& widget, QPoint from, QPoint to) {
    MoveTo(widget, from);
    XTestFakeButtonEvent(display_, 1, True, 0);
    XSync(display_, False);
    Settle(60);
    const QPoint start = Global(widget, from);
    const QPoint end = Global(widget, to);
    for (int step = 1; step <= 8; ++step) {
        const QPoint p = start + (end - start) * step / 8;
        XTestFakeMotionEvent(display_, -1, p.x(), p.y(), 0);
        XSync(display_, False);
        Settle(30);
    }
    XTestFakeButtonEvent(display_, 1, False, 0);
    XSync(display_, False);
    Settle(60);
}

void XUser::Wheel(const QPointer<QWidget>& widget, int notches) {
    MoveTo(widget);
    for (int i = 0; i < std::abs(notches); ++i) {
        Button(notches > 0 ? 5 : 4);
    }
    Settle(150);
}

void XUser::ClickScreen(QPoint at) {
    XTestFakeMotionEvent(display_, -1, at.x(), at.y(), 0);
    XSync(display_, False);
    Settle(60);
    Button(1);
}

bool XUser::HasWindowManager() {
    return !WindowProperty(DefaultRootWindow(display_), "_NET_SUPPORTING_WM_CHECK", "WINDOW")
                .empty();
}

void XUser::CloseWindow(const QPointer<QWidget>& window) {
    const ::Window id =
        OnGui([window] { return window.isNull() ? 0 : static_cast<::Window>(window->winId()); });
    if (id == 0) {
        return;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id;
    event.xclient.format = 32;
    if (HasWindowManager()) {
        // As a pager asks (source 2): the window manager then closes it as its own button
        // does.
        event.xclient.message_type = XInternAtom(display_, "_NET_CLOSE_WINDOW", False);
        event.xclient.data.l[0] = CurrentTime;
        event.xclient.data.l[1] = 2;
        XSendEvent(display_, DefaultRootWindow(display_), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else {
        event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        event.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, id, False, NoEventMask, &event);
    }
    XSync(display_, False);
    Settle(100);
}

std::string XUser::WindowProperty(unsigned long window, const char* name, const char* type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom property = XInternAtom(display_, name, False);
    const Atom wanted = XInternAtom(display_, type, False);
    if (XGetWindowProperty(display_, window, property, 0, 1 << 20, False, wanted, &actualType,
                           &format, &count, &after, &data) != Success ||
        data == nullptr) {
        return {};
    }
    const std::size_t bytes =
        count * static_cast<std::size_t>(format == 32 ? sizeof(long) : format / 8);
    std::string value(reinterpret_cast<const char*>(data), bytes);
    XFree(data);
    return value;
}

void RunAsUser(const std::function<void(XUser&)>& body) {
    QEventLoop loop;
    std::thread user([&] {
        try {
            XUser person;
            try {
                body(person);
            } catch (const std::exception& e) {
                ADD_FAILURE() << "the user's part stopped: " << e.what();
            }
            // Whatever the test left open is closed, so that the loops of its dialogs and
            // menus end.
            for (int i = 0; i < 20; ++i) {
                const bool open = person.OnGui([] {
                    QWidget* open = QApplication::activePopupWidget();
                    if (open == nullptr) {
                        open = QApplication::activeModalWidget();
                    }
                    if (open != nullptr) {
                        open->close();
                    }
                    return open != nullptr;
                });
                if (!open) {
                    break;
                }
                person.Settle(100);
            }
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    user.join();
}

}  // namespace tesmarik
