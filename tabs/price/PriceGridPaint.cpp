#include "tabs/price/PriceGridPaint.h"

namespace tesmarik {

CellPaint TablDrawCell(const TForm1& f, int col, int row, DrawCellState state) {
    (void)col;
    // The marker is compared as text, never read as a colour.
    if (row < 1 || f.Tabl.Cell(kMarkerColumn, row) != kSupplyToOrderMarker) {
        return {};
    }
    if (state.focused) {
        return {kSupplyFocusFill, kSupplyFocusText};
    }
    return {row == 3 ? kSupplyRow3Fill : kSupplyFill, std::nullopt};
}

}  // namespace tesmarik
