#include "tabs/price/PriceGrid.h"

#include "price/PriceFilter.h"
#include "tabs/price/PriceGridPaint.h"

namespace tesmarik {

namespace {

constexpr int kShownColumns = static_cast<int>(kShownPriceFields.size());

// Shows the matching rows of the store; rows of an earlier, longer run keep nothing behind.
void ShowRows(StringGrid& grid, const PriceStore& store, const std::vector<std::size_t>& matching) {
    const int oldRowCount = grid.RowCount;
    const int rowCount = 1 + static_cast<int>(matching.size());
    for (int r = 1; r < rowCount; ++r) {
        const PriceRow& row = store.rows[matching[static_cast<std::size_t>(r - 1)]];
        for (int c = 0; c < kShownColumns; ++c) {
            grid.SetCell(c, r, row.Field(kShownPriceFields[static_cast<std::size_t>(c)]));
        }
        grid.SetCell(kMarkerColumn, r, row.Field(kSupplyField));
    }
    for (int r = rowCount; r < oldRowCount; ++r) {
        for (int c = 0; c < kShownColumns; ++c) {
            grid.SetCell(c, r, "");
        }
        grid.SetCell(kMarkerColumn, r, "");
    }
    grid.ColCount = kShownColumns;
    grid.RowCount = rowCount;
    if (grid.Row >= rowCount) {
        grid.Row = rowCount > grid.FixedRows ? rowCount - 1 : grid.FixedRows;
    }
}

}  // namespace

void FilterPrices(TForm1& f, const PriceStore& store) {
    f.ComboBox9.Enabled = true;
    f.ComboBox10.Enabled = true;
    if (f.ComboBox11.Text == kReconditionedType) {
        f.ComboBox9.Enabled = false;
        f.ComboBox10.Enabled = false;
        f.ComboBox9.SetItemIndex(0);
        f.ComboBox10.SetItemIndex(0);
    }
    const PriceCriteria criteria{f.ComboBox11.Text, f.ComboBox7.Text, f.ComboBox8.Text,
                                 f.ComboBox9.Text, f.ComboBox10.Text};
    // Computed in full before the grid is touched, so a failed run leaves it as it was.
    const std::vector<std::size_t> matching = MatchingRows(store, criteria);
    ShowRows(f.Tabl, store, matching);
}

std::vector<std::string> CellsOfRow(const StringGrid& grid, int row) {
    std::vector<std::string> cells;
    if (row < grid.FixedRows || row >= grid.RowCount) {
        return cells;
    }
    for (int col = 0; col < grid.ColCount; ++col) {
        cells.push_back(grid.Cell(col, row));
    }
    return cells;
}

}  // namespace tesmarik
