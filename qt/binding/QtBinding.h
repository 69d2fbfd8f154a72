#pragma once

#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/Window.h"
#include "qt/binding/WidgetBinding.h"

namespace tesmarik {

// Maps the window model onto real Qt widgets, one binding per kind of control, and turns
// what the user does into calls of the controls' event slots. After every event all
// widgets are brought up to date with the model, with their signals blocked. A control's
// widget is made when the control first shows (its tab in front, it and its parents
// visible) or is asked for: the window starts with the widgets of one tab, not of four.
// No behaviour of the program lives here.
//
// One binding serves one form: the main window's, or a window the model opens over it,
// which gets a binding of its own while it is open (a window-modal dialog, not blocking:
// the model stays the one source of what is open).
class QtBinding {
public:
    // The binding of the window's main form.
    explicit QtBinding(Window& window);
    // The binding of a window open over the main window's top-level widget.
    QtBinding(QtBinding& main, ControlRegistry& dialog);
    ~QtBinding();
    QtBinding(const QtBinding&) = delete;
    QtBinding& operator=(const QtBinding&) = delete;

    QWidget* TopLevel() const { return top_; }
    // The widget of a control, made now if it was not yet.
    QWidget* WidgetOf(const std::string& name);
    Window& Model() const { return window_; }
    bool IsMainWindow() const { return main_ == nullptr; }
    // The binding of the open window over this one whose form bears the name, or none.
    QtBinding* DialogBinding(const std::string& formName) const;

    // Runs one action of the user (app/UserActions.h), then brings the widgets up to date.
    // Actions that arrive while one runs (a timer during a modal dialog) wait for nothing
    // and are dropped: handlers never overlap.
    void Act(const std::function<void(Window&)>& action);
    // Runs an event slot through the window's error path, as an action of its own.
    void Fire(const std::function<void()>& handler);
    void Sync();
    // The form's size as the window shows it: within the room of the desktop it was placed
    // in, when it is larger.
    QSize WindowSize(QSize form) const { return room_.isValid() ? form.boundedTo(room_) : form; }

private:
    WidgetBinding* Bind(Control& control);
    // The window's own widgets brought up to date with its form.
    void SyncForm();
    // A binding for every window the model has opened over this one, none for those it
    // has closed.
    void SyncDialogs();
    // The close button and Esc of a window over the main window close it in the model.
    void MakeDialogWindow(QWidget* owner);
    // A window that is not modal opens where the user left it, or beside its owner, and
    // always whole within the desktop's available area.
    void PlaceWindowOfItsOwn(QWidget* owner);
    // Puts a widget made late below the widgets of the controls that follow it.
    void Restack(const Control& control, QWidget* widget);
    // The Tab key's order: depth first through the controls, siblings by TabOrder, then
    // in reading order.
    void OrderFocus();
    void AppendFocusChain(const Control& parent, std::vector<QWidget*>& chain) const;

    Window& window_;
    ControlRegistry& registry_;
    QtBinding* main_ = nullptr;  // none for the main window's own binding
    QWidget* top_ = nullptr;
    std::map<ControlRegistry*, std::unique_ptr<QtBinding>> dialogs_;
    // Bindings of closed windows, destroyed once the event that closed them is over.
    std::vector<std::unique_ptr<QtBinding>> retired_;
    std::vector<std::unique_ptr<WidgetBinding>> bindings_;
    std::map<const Control*, WidgetBinding*> byControl_;
    bool busy_ = false;
    bool focusOrdered_ = false;
    int raised_ = 0;  // the form's Raised that the screen's window has followed
    QSize room_;      // the most a window of its own may take of its desktop; invalid: any
    // Where the user left each window that is not modal, by its form's name, for it to open
    // there again while the program runs.
    std::map<std::string, QPoint> leftAt_;
};

}  // namespace tesmarik
