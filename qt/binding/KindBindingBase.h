#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>
#include <memory>
#include <set>

#include "controls/Controls.h"
#include "qt/binding/QtBinding.h"

// What the bindings of every kind of control share: the routing of the user's input to
// the user actions, and the syncing of place, state, tooltip and font. Only the kind
// bindings of qt/binding include this.

class QLineEdit;

namespace tesmarik {

QColor ToQColor(Color c);
QFont ToQFont(const Font& font);

// widget has no keyboard focus (a closed list the pointer merely rests on).
class WheelGuard : public QObject {
public:
    WheelGuard(QWidget* widget, bool whenFocused) : QObject(widget), whenFocused_(whenFocused) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel ||
            (whenFocused_ && static_cast<QWidget*>(watched)->hasFocus())) {
            return false;
        }
        event->ignore();
        return true;
    }

private:
    bool whenFocused_;
};

// Turns the mouse and keyboard events of a widget into the user's actions on its control.
class EventRouter : public QObject {
public:
    EventRouter(QtBinding& binding, Control& control) : binding_(binding), control_(control) {}

    // The widget whose keys are the control's: an edit field, a list (which hands them
    // on to its line), a grid (not its viewport).
    QObject* keyTarget = nullptr;
    bool cells = false;   // grids: the typed key goes into the model's current cell
    bool clicks = false;  // labels and pictures: a mouse release inside is a click

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key is taken here and the widget must not see it.
    bool KeyPressed(const QKeyEvent& key);
    // The key-up handler runs only for a key that was pressed in this field: the release
    // of the Enter or Esc that closed a message box is not a key of the field.
    void KeyReleased(const QKeyEvent& key);

    QtBinding& binding_;
    Control& control_;
    std::set<int> pressed_;
};

// What every kind shares: position, size, visibility, enabled state, tooltip, font.
class BindingBase : public WidgetBinding {
public:
    BindingBase(QtBinding& binding, Control& control) : binding_(binding), control_(control) {}

    QWidget* Widget() const override { return widget_; }

    void Sync() override;

protected:
    virtual void SyncKind() {}
    virtual void SyncGeometry();
    // What the widget's tooltip shows: the control's hint.
    virtual QString ToolTip() const;
    void Attach(QWidget* widget);
    // The keys of this widget are the control's keys.
    void RouteKeys(QWidget* target);
    // Text typed into a line edit goes to the model, then the control's OnChange runs.
    void TakeTyping(QLineEdit* edit);
    void SyncFont(QWidget* target);

    QtBinding& binding_;
    Control& control_;
    QWidget* widget_ = nullptr;
    EventRouter* router_ = nullptr;
    bool synced_ = false;
};

// The bindings of each family of kinds, each made in a file of its own; none for a kind
// of another family.
std::unique_ptr<WidgetBinding> MakeContainerBinding(QtBinding& b, Control& c, QWidget* parent);
std::unique_ptr<WidgetBinding> MakeInputBinding(QtBinding& b, Control& c, QWidget* parent);
std::unique_ptr<WidgetBinding> MakeViewBinding(QtBinding& b, Control& c, QWidget* parent);

}  // namespace tesmarik
