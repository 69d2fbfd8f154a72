#pragma once

#include <QWidget>
#include <vector>

namespace tesmarik {

// The binding of one control: its widget, and how the widget is brought up to date with
// the control in the model.
class WidgetBinding {
public:
    virtual ~WidgetBinding() = default;
    virtual QWidget* Widget() const = 0;
    // The widget a child control lies in (a tab's page, a panel, a group box).
    virtual QWidget* ChildParent() const { return Widget(); }
    virtual void Sync() = 0;
    // Once every widget of the window is up to date: what depends on the others (the room
    // an auto-sized label has before its neighbour) is settled.
    virtual void SyncAfterOthers() {}
    // The widgets the Tab key stops at, in their own order (a radio group's buttons).
    virtual std::vector<QWidget*> FocusWidgets() const;
};

}  // namespace tesmarik
