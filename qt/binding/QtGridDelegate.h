#pragma once

#include <QStyledItemDelegate>

#include "controls/Controls.h"

namespace tesmarik {

// Paints a grid cell as the grid's draw-cell handler decides: a fill and a text colour,
// the text at the cell's top-left corner. Cells the handler leaves alone keep the
// default look.
class QtGridDelegate : public QStyledItemDelegate {
public:
    QtGridDelegate(StringGrid& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // A cell too narrow for its text shows the whole text in a tooltip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    StringGrid& grid_;
};

}  // namespace tesmarik
