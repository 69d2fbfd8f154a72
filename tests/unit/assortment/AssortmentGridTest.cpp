#include <gtest/gtest.h>

#include "assortment/SizeGrid.h"

namespace tesmarik {
namespace {

TEST(AssortmentGrid, Smoke) {
    SizeGrid grid;
    FillAssortmentGrid(grid);
    EXPECT_EQ(AssortmentDiameters(grid).size(), 56u);
    SizeGrid t;
    for (const char* code : {"T50", "T55", "T55h", "T190", "T190h", "T460", "T460h", "T796"}) {
        LoadTuMassTable(code, t);
        EXPECT_FALSE(TuDiameters(t).empty()) << code;
    }
}

}  // namespace
}  // namespace tesmarik
