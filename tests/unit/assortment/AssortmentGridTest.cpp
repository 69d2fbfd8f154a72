#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assortment/SizeGrid.h"

namespace tesmarik {
namespace {

using Texts = std::vector<std::string>;

SizeGrid FilledGrid() {
    SizeGrid grid;
    FillAssortmentGrid(grid);
    return grid;
}

Texts WallsOf(const SizeGrid& grid, double diameter) {
    return AssortmentWalls(grid, DiameterRow(grid, diameter));
}

TEST(AssortmentGrid, DiametersInAxisOrder) {
    const SizeGrid grid = FilledGrid();
    const Texts expected = {
        "1420", "1220", "1020", "920",  "820", "720", "630",  "530",  "508",  "426", "402", "377",
        "351",  "325",  "273",  "245",  "219", "203", "194",  "180",  "178",  "168", "165", "159",
        "152",  "146",  "140",  "133",  "127", "121", "114",  "108",  "104",  "102", "95",  "89",
        "83",   "82,5", "76",   "73",   "70",  "68",  "64",   "63,5", "60,3", "57",  "54",  "51",
        "50",   "48,3", "45",   "42,4", "42",  "38",  "33,7", "32"};
    const Texts diameters = AssortmentDiameters(grid);
    EXPECT_EQ(diameters, expected);
    EXPECT_EQ(diameters.size(), 56u);
    EXPECT_EQ(std::count(diameters.begin(), diameters.end(), "152"), 1);
}

TEST(AssortmentGrid, WallAxisAndItsClosingZero) {
    const SizeGrid grid = FilledGrid();
    const std::vector<double> walls = {
        2.9, 3,  3.2, 3.5, 4,  4.5, 5,  5.5, 6,  6.5, 7,  7.5, 8,  8.5, 9,  9.5, 10, 11, 12, 13, 14,
        15,  16, 17,  18,  19, 20,  22, 24,  25, 26,  28, 30,  32, 34,  35, 36,  38, 40, 42, 45};
    EXPECT_EQ(grid.At(1, 1), 0);
    for (std::size_t i = 0; i < walls.size(); ++i) {
        EXPECT_EQ(grid.At(1, static_cast<int>(i) + 2), walls[i]) << "column " << i + 2;
    }
    EXPECT_EQ(grid.At(1, 43), 0);
    EXPECT_EQ(grid.At(58, 1), 0);
}

TEST(AssortmentGrid, WallsOfADiameter) {
    const SizeGrid grid = FilledGrid();
    struct Case {
        double diameter;
        Texts walls;
    };
    const std::vector<Case> cases = {
        {1420, {"14", "15", "16", "17", "18", "19", "20", "22"}},
        {32, {"2,9", "3", "3,2", "3,5", "4"}},
        {104,
         {"10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "22", "24", "25",
          "26"}},
        {820, {"9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "22"}},
        {351, {"7", "8", "8,5", "9", "9,5", "10", "11", "12", "13", "14", "15", "16"}},
        {530, {"7", "8", "9", "10", "11", "12", "13", "14", "15", "16"}},
        {48.3, {"3,5", "4", "4,5", "5"}},
        {42.4, {"3", "3,2", "3,5", "4", "4,5"}},
        {165,
         {"17", "18", "19", "20", "22", "24", "25", "26", "28", "30", "32", "34", "35", "36", "38",
          "40", "42", "45"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WallsOf(grid, c.diameter), c.walls) << c.diameter;
    }
}

TEST(AssortmentGrid, CountsOfTheAssortment) {
    const SizeGrid grid = FilledGrid();
    int walls = 0;
    int sizes = 0;
    for (int c = 2; c <= SizeGrid::kSize; ++c) {
        walls += grid.At(1, c) != 0;
        for (int r = 2; r <= SizeGrid::kSize; ++r) {
            if (grid.At(r, c) != 0) {
                EXPECT_EQ(grid.At(r, c), 1) << r << "," << c;
                EXPECT_LE(r, 57);
                EXPECT_LE(c, 42);
                ++sizes;
            }
        }
    }
    EXPECT_EQ(walls, 41);
    EXPECT_EQ(sizes, 1062);
}

TEST(AssortmentGrid, DiameterNotInTheAxis) {
    const SizeGrid grid = FilledGrid();
    for (double d : {100.0, 82.0, 1421.0, 60.0}) {
        EXPECT_EQ(DiameterRow(grid, d), 300) << d;
        EXPECT_TRUE(WallsOf(grid, d).empty()) << d;
    }
    EXPECT_EQ(DiameterRow(grid, 1420), 2);
    EXPECT_EQ(DiameterRow(grid, 32), 57);
    EXPECT_EQ(DiameterRow(grid, 82.5), 39);
}

TEST(AssortmentGrid, FillingAgainChangesNothing) {
    SizeGrid once = FilledGrid();
    SizeGrid twice = FilledGrid();
    FillAssortmentGrid(twice);
    for (int r = 1; r <= SizeGrid::kSize; ++r) {
        for (int c = 1; c <= SizeGrid::kSize; ++c) {
            ASSERT_EQ(once.At(r, c), twice.At(r, c)) << r << "," << c;
        }
    }
}

TEST(AssortmentGrid, FillingTouchesOnlyItsBlock) {
    SizeGrid grid;
    grid.At(1, 43) = 7;  // beyond the wall axis: the listing stops at column 300 instead
    grid.At(58, 2) = 5;
    grid.At(2, 43) = 3;
    grid.At(300, 300) = 9;
    FillAssortmentGrid(grid);
    EXPECT_EQ(grid.At(58, 2), 5);
    EXPECT_EQ(grid.At(2, 43), 3);
    EXPECT_EQ(grid.At(300, 300), 9);
    EXPECT_EQ(grid.At(1, 43), 7);
}

// The caller clears the diameter axis before filling, so a longer axis left by other use
// of the grid does not show through.
TEST(AssortmentGrid, ClearedDiameterAxisEndsAfterTheAssortment) {
    SizeGrid grid;
    LoadTuMassTable("T190h", grid);  // 66 diameters
    for (int r = 1; r <= SizeGrid::kSize; ++r) {
        grid.At(r, 1) = 0;
    }
    FillAssortmentGrid(grid);
    EXPECT_EQ(AssortmentDiameters(grid).size(), 56u);
}

// Before any type of pipe is chosen the grids were never written: every lookup finds
// nothing, and a grid cleared after use reads the same way.
TEST(AssortmentGrid, UnwrittenAndClearedGridsReadAsZeros) {
    SizeGrid fresh;
    SizeGrid cleared = FilledGrid();
    cleared.Clear();
    for (const SizeGrid* grid : {&fresh, &cleared}) {
        const SizeGrid& g = *grid;
        EXPECT_EQ(g.At(1, 1), 0);
        EXPECT_EQ(g.At(300, 300), 0);
        EXPECT_TRUE(AssortmentDiameters(g).empty());
        EXPECT_EQ(DiameterRow(g, 530), 300);
        EXPECT_TRUE(AssortmentWalls(g, 2).empty());
        EXPECT_TRUE(TuDiameters(g).empty());
        EXPECT_EQ(TuMass(g, 2, 10), 0);
    }
    cleared.At(300, 300) = 4;
    EXPECT_EQ(cleared.At(300, 300), 4);
    EXPECT_EQ(cleared.At(2, 2), 0);
}

TEST(AssortmentGrid, WallListStopsAtTheEndOfTheWallAxis) {
    SizeGrid grid = FilledGrid();
    grid.At(2, 44) = 1;  // a cell beyond the closing 0 of the wall axis is not read
    grid.At(1, 44) = 50;
    EXPECT_EQ(WallsOf(grid, 1420), (Texts{"14", "15", "16", "17", "18", "19", "20", "22"}));
}

}  // namespace
}  // namespace tesmarik
