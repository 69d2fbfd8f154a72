#include "qt/binding/FocusRing.h"

#include <QApplication>

namespace tesmarik {

namespace {

bool TakesTab(QWidget* widget, QWidget* window) {
    return widget != nullptr && widget->isVisibleTo(window) && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) != 0;
}

}  // namespace

void FocusRingWidget::SetRing(const std::vector<QWidget*>& ring) {
    ring_.assign(ring.begin(), ring.end());
}

bool FocusRingWidget::focusNextPrevChild(bool next) {
    QWidget* focus = QApplication::focusWidget();
    const int count = static_cast<int>(ring_.size());
    // The place of the focus: its own widget, or the innermost widget it lies in (the
    // field of an editable list, the bar of a tab control; not the tab control around a
    // whole page).
    int at = -1;
    for (int i = 0; i < count; ++i) {
        QWidget* widget = ring_[i];
        if (widget != nullptr && focus != nullptr &&
            (widget == focus || widget->isAncestorOf(focus)) &&
            (at < 0 || ring_[at]->isAncestorOf(widget))) {
            at = i;
        }
    }
    if (at < 0) {
        return QWidget::focusNextPrevChild(next);
    }
    for (int step = 1; step < count; ++step) {
        QWidget* candidate = ring_[(at + (next ? step : count - step)) % count];
        if (TakesTab(candidate, this)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;  // the focus stays where it is: nothing else takes it
}

}  // namespace tesmarik
