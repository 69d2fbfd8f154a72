#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace tesmarik {

// The top-level widget of a window: Tab and Shift+Tab go round its controls in the order
// the binding gives, from the one that holds the focus to the next that can take it (shown,
// enabled, stopped at by Tab). Qt's own chain, rearranged widget by widget, falls apart
// into separate rings around compound widgets such as the tab control; this one is kept
// whole.
class FocusRingWidget : public QWidget {
public:
    using QWidget::QWidget;

    void SetRing(const std::vector<QWidget*>& ring);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    std::vector<QPointer<QWidget>> ring_;
};

}  // namespace tesmarik
