#include "qt/binding/QtGridDelegate.h"

#include <QPainter>

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
    QColor text = state.selected ? option.palette.color(QPalette::HighlightedText)
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

}  // namespace tesmarik
