#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <type_traits>

struct _XDisplay;

namespace tesmarik {

// A user at the X server: keys and mouse events sent through the XTEST extension, so
// they reach the program as a person's would, through the server's focus and pointer.
// Lives on a thread of its own while the program's event loop runs (modal dialogs
// included); it looks at the program through OnGui, which runs on the program's thread.
class XUser {
public:
    XUser();
    ~XUser();
    XUser(const XUser&) = delete;
    XUser& operator=(const XUser&) = delete;

    // Runs f on the program's thread and returns its result. A program's thread that does
    // not come round to it within a minute (caught in a loop, or in a dialog that f itself
    // opened) ends the test with a message instead of hanging it.
    template <class F>
    auto OnGui(F f) -> decltype(f()) {
        if constexpr (std::is_void_v<decltype(f())>) {
            RunOnGui([&] { f(); });
        } else {
            decltype(f()) result{};
            RunOnGui([&] { result = f(); });
            return result;
        }
    }
    // Polls the condition on the program's thread until it holds, up to the time given.
    bool WaitFor(const std::function<bool()>& condition, int milliseconds = 5000);
    // Lets the program take in what was sent: waits, then until the program's event loop
    // has come round once. The events are taken in by the program's own loop, never inside
    // a call from this thread: a dialog that one of them opens would block that call.
    void Settle(int milliseconds = 300);

    // A key by its X name ("Return", "Tab", "minus", "a"), optionally with modifiers held
    // ("Control_L", "Shift_L", "Control_L+Shift_L").
    void Key(const std::string& name, const std::string& modifier = {});
    // ASCII text, a key per character.
    void Type(const std::string& text);
    void MoveTo(const QPointer<QWidget>& widget, QPoint at = {-1, -1});
    void Click(const QPointer<QWidget>& widget, QPoint at = {-1, -1});
    // The right mouse button, which opens a context menu.
    void RightClick(const QPointer<QWidget>& widget, QPoint at = {-1, -1});
    void DoubleClick(const QPointer<QWidget>& widget, QPoint at = {-1, -1});
    // The left button pressed at `from`, the pointer moved to `to`, the button released.
    void Drag(const QPointer<QWidget>& widget, QPoint from, QPoint to);
    // Wheel notches over the widget: positive scrolls down, negative up.
    void Wheel(const QPointer<QWidget>& widget, int notches);
    // A click at a point of the screen, such as a window manager's title bar.
    void ClickScreen(QPoint at);
    // The close button of the window's title bar: the window manager is asked to close it
    // where there is one; without one, the window gets the request that a window manager
    // sends (WM_DELETE_WINDOW).
    void CloseWindow(const QPointer<QWidget>& window);
    // Whether a window manager runs on the display.
    bool HasWindowManager();

    // A property of a top-level X window as the window manager reads it.
    std::string WindowProperty(unsigned long window, const char* name, const char* type);

private:
    void RunOnGui(const std::function<void()>& f);
    // Where a point of the widget is on the screen; where the pointer is, if the widget
    // has gone meanwhile (a message box that closed).
    QPoint Global(const QPointer<QWidget>& widget, QPoint at);
    void Button(unsigned int button);

    _XDisplay* display_ = nullptr;
};

// Runs the user's part of a test on a thread of its own while this thread runs the
// program's event loop; any dialog left open at the end is closed.
void RunAsUser(const std::function<void(XUser&)>& body);

}  // namespace tesmarik
