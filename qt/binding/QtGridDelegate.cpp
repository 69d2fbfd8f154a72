#include "qt/binding/QtGridDelegate.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace tesmarik {

namespace {
constexpr int kCellPadding = 2;
}  // namespace

void QtGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (!grid_.OnDrawCell) {
        return;
    }
    const int col = index.column();
    const int row = index.row() + grid_.FixedRows;
    DrawCellState state;
    state.selected = (option.state & QStyle::State_Selected) != 0;
    state.focused = grid_.Focused && grid_.Col == col && grid_.Row == row;
    CellPaint decision;
    try {
        decision = grid_.OnDrawCell(col, row, state);
    } catch (...) {
        return;  // painting never fails the window; the cell keeps its default look
    }
    if (!decision.fill) {
        return;
    }
    const Color fill = *decision.fill;
    painter->fillRect(option.rect, QColor(fill.r, fill.g, fill.b));
    // A selected row in a colour of its own keeps a text that reads on that colour.
    const QColor background(fill.r, fill.g, fill.b);
    const bool dark = background.lightnessF() < 0.55;
    QColor text = state.selected ? (dark ? QColor(Qt::white) : QColor(Qt::black))
                                 : option.palette.color(QPalette::Text);
    if (decision.text) {
        text = QColor(decision.text->r, decision.text->g, decision.text->b);
    }
    painter->save();
    painter->setPen(text);
    painter->setFont(option.font);
    // A blank on either side, so that no text runs into its neighbour's.
    painter->setClipRect(option.rect.adjusted(kCellPadding, 0, -kCellPadding, 0));
    painter->drawText(option.rect.adjusted(kCellPadding, 0, -kCellPadding, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

bool QtGridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                               const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    const QFontMetrics metrics(option.font);
    if (text.isEmpty() ||
        metrics.horizontalAdvance(text) + 2 * kCellPadding <= option.rect.width()) {
        QToolTip::hideText();
        return true;  // the whole text is in view
    }
    QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
    return true;
}

}  // namespace tesmarik
