#include <gtest/gtest.h>

#include "form/TForm1.h"
#include "tabs/price/PriceGrid.h"

namespace tesmarik {
namespace {

TEST(CellsOfRow, EveryColumnOfARowButNotTheHeadingOrBeyond) {
    TForm1 f;
    StringGrid& grid = f.Tabl;
    grid.ColCount = 8;
    grid.RowCount = 3;
    grid.SetCell(0, 1, "n");
    grid.SetCell(6, 1, "72000");
    const std::vector<std::string> row{"n", "", "", "", "", "", "72000", ""};
    EXPECT_EQ(CellsOfRow(grid, 1), row);
    EXPECT_EQ(CellsOfRow(grid, 2), std::vector<std::string>(8));
    EXPECT_TRUE(CellsOfRow(grid, 0).empty());  // the heading
    EXPECT_TRUE(CellsOfRow(grid, 3).empty());  // beyond the rows
    EXPECT_TRUE(CellsOfRow(grid, -1).empty());
}

}  // namespace
}  // namespace tesmarik
