#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "assortment/SizeGrid.h"
#include "assortment/SizeTableSource.h"

namespace tesmarik {
namespace {

TEST(NominalFigure, ExactDecimalRoundedHalfUp) {
    // 0.02466 × 25 × 10 = 6.165 exactly: a half rounds up.
    EXPECT_EQ(NominalFigure(35, 10, 10000), 6.17);
    EXPECT_EQ(NominalFigure(32.5, 12.5, 10000), 6.17);
    // 0.02466 × 525 × 5 = 64.7325
    EXPECT_EQ(NominalFigure(530, 5, 10000), 64.73);
    EXPECT_EQ(NominalFigure(530, 8, 10000), 102.98);
    // Raised wall: 245 − 10.75 = 234.25; × 10.75 × 0.02466 = 62.0983...
    EXPECT_EQ(NominalFigure(245, 10, 10750), 62.1);
    // One and three decimals.
    EXPECT_EQ(NominalFigure(51, 3, 10000, 3), 3.551);
    EXPECT_EQ(NominalFigure(10, 2.5, 10000, 1), 0.5);
    EXPECT_EQ(NominalFigure(10, 2.5, 10000, 2), 0.46);
}

TEST(DensityFigure, SteelOfDensity785) {
    EXPECT_EQ(DensityFigure(245, 16), 90.36);
    EXPECT_EQ(DensityFigure(550, 70), 828.63);
    // π × 7.85 / 1000 × 225 × 20 = 110.976...: the document's 110.9 is its own figure.
    EXPECT_EQ(DensityFigure(245, 20), 110.98);
}

// The document of 2001 gives some cold-rolled sizes to one or three decimals; they are the
// rule's product rounded that way.
TEST(T55hSource, FiguresOfOtherPrecisionFollowTheRule) {
    const TuTableSource source = T55hSource();
    int oneDecimal = 0;
    int threeDecimals = 0;
    for (const SizeFigure& f : source.figures) {
        const double two = NominalFigure(f.diameter, f.wall, 10000, 2);
        const double one = NominalFigure(f.diameter, f.wall, 10000, 1);
        const double three = NominalFigure(f.diameter, f.wall, 10000, 3);
        ASSERT_NE(f.mass, two) << f.diameter << " x " << f.wall;
        if (f.mass == one) {
            ++oneDecimal;
        } else {
            EXPECT_EQ(f.mass, three) << f.diameter << " x " << f.wall;
            ++threeDecimals;
        }
    }
    EXPECT_EQ(oneDecimal, 42);
    EXPECT_EQ(threeDecimals, 45);
}

TuTableSource SmallSource() {
    TuTableSource s;
    s.code = "small";
    s.walls = {2, 3, 4};
    s.sizes = {{{20, 30}, {{2, 3}}}, {{40}, {2, 4}}};
    s.rule = [](double d, double w) { return NominalFigure(d, w, 10000); };
    return s;
}

TEST(ExpandSizeTable, SpellsOutStretchesSingleWallsAndFigures) {
    TuTableSource source = SmallSource();
    source.figures = {{40, 4, 9.99}};
    const ExpandedSizeTable table = ExpandSizeTable(source);
    EXPECT_EQ(table.diameters, (std::vector<double>{20, 30, 40}));
    EXPECT_EQ(table.Cell(0, 0), NominalFigure(20, 2, 10000));
    EXPECT_EQ(table.Cell(1, 1), NominalFigure(30, 3, 10000));
    EXPECT_EQ(table.Cell(0, 2), 0);
    EXPECT_EQ(table.Cell(2, 1), 0);
    EXPECT_EQ(table.Cell(2, 2), 9.99);
}

TEST(ExpandSizeTable, RejectsAWrittenDownFormThatDoesNotHoldTogether) {
    std::vector<TuTableSource> broken(7, SmallSource());
    broken[0].sizes.push_back({{50}, {2.5}});                      // wall not in the axis
    broken[1].sizes.push_back({{20}, {4}});                        // diameter listed twice
    broken[2].figures = {{40, 3, 1.5}};                            // figure for a missing size
    broken[3].figures = {{50, 2, 1.5}};                            // figure for a missing diameter
    broken[4].rule = [](double, double) { return std::nan(""); };  // size without figure
    broken[5].walls = {2, 4, 3};                                   // axis not ascending
    broken[6].sizes.push_back({{50}, {{4, 2}}});                   // stretch runs backwards
    for (std::size_t i = 0; i < broken.size(); ++i) {
        EXPECT_THROW(ExpandSizeTable(broken[i]), std::logic_error) << i;
    }
}

TEST(ExpandSizeTable, FiguresGivenInFullMakeTheRows) {
    TuTableSource source;
    source.code = "full";
    source.walls = {2, 3};
    source.figureRows = {{12, {{3, 0.67}}}, {10, {{2, 0.39}, {3, 0.5}}}};
    const ExpandedSizeTable table = ExpandSizeTable(source);
    EXPECT_EQ(table.diameters, (std::vector<double>{12, 10}));
    EXPECT_EQ(table.Cell(0, 0), 0);
    EXPECT_EQ(table.Cell(0, 1), 0.67);
    EXPECT_EQ(table.Cell(1, 0), 0.39);
}

}  // namespace
}  // namespace tesmarik
