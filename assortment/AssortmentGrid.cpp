#include "assortment/SizeGrid.h"
#include "assortment/SizeTableSource.h"
#include "common/Numbers.h"

namespace tesmarik {

namespace {

// The universal assortment of electric-welded and seamless pipes.
TuTableSource AssortmentSource() {
    TuTableSource s;
    s.code = "universal";
    s.walls = {2.9, 3,   3.2, 3.5, 4,  4.5, 5,  5.5, 6,  6.5, 7,  7.5, 8,  8.5,
               9,   9.5, 10,  11,  12, 13,  14, 15,  16, 17,  18, 19,  20, 22,
               24,  25,  26,  28,  30, 32,  34, 35,  36, 38,  40, 42,  45};
    s.sizes = {
        {{1420}, {{14, 22}}},
        {{1220}, {{12, 22}}},
        {{1020, 920}, {{10, 22}}},
        {{820}, {9, {10, 22}}},
        {{720, 630}, {8, 9, {10, 16}}},
        {{530, 508, 426, 402, 377}, {7, 8, 9, {10, 16}}},
        {{351}, {7, {8, 16}}},
        {{325}, {7, {8, 45}}},
        {{273, 245, 219}, {{7, 45}}},
        {{203}, {{8, 45}}},
        {{194, 180, 178, 168}, {{6, 45}}},
        {{165}, {{17, 45}}},
        {{159}, {{4.5, 42}}},
        {{152}, {{5, 40}}},
        {{146}, {{5, 38}}},
        {{140}, {{5, 36}}},
        {{133}, {{5, 35}}},
        {{127, 121}, {{5, 32}}},
        {{114}, {{4, 32}}},
        {{108}, {{4, 28}}},
        {{104}, {{10, 26}}},
        {{102}, {{4, 26}}},
        {{95}, {{5, 24}}},
        {{89}, {{3.5, 24}}},
        {{83}, {{3.5, 22}}},
        {{82.5, 76}, {{3.5, 20}}},
        {{73}, {{3.5, 19}}},
        {{70, 68}, {{3.5, 16}}},
        {{64, 63.5, 60.3, 57}, {{3.5, 14}}},
        {{54, 51, 50}, {{3.5, 6}}},
        {{48.3, 45}, {{3.5, 5}}},
        {{42.4, 42, 38}, {{3, 4.5}}},
        {{33.7, 32}, {{2.9, 4}}},
    };
    // The grid only marks the sizes that exist.
    s.rule = [](double, double) { return 1.0; };
    return s;
}

}  // namespace

void FillAssortmentGrid(SizeGrid& grid) {
    static const ExpandedSizeTable assortment = ExpandSizeTable(AssortmentSource());
    // The block is rows 1-57 and columns 1-42; the closing zeros of both axes lie beyond it
    // (column 1 is cleared by the caller, row 1 is only ever written here).
    const int rows = static_cast<int>(assortment.diameters.size()) + 1;
    const int cols = static_cast<int>(assortment.walls.size()) + 1;
    grid.At(1, 1) = 0;
    for (int c = 2; c <= cols; ++c) {
        grid.At(1, c) = assortment.walls[static_cast<std::size_t>(c - 2)];
    }
    for (int r = 2; r <= rows; ++r) {
        const auto row = static_cast<std::size_t>(r - 2);
        grid.At(r, 1) = assortment.diameters[row];
        for (int c = 2; c <= cols; ++c) {
            grid.At(r, c) = assortment.Cell(row, static_cast<std::size_t>(c - 2));
        }
    }
}

std::vector<std::string> AssortmentDiameters(const SizeGrid& grid) {
    std::vector<std::string> diameters;
    for (int r = 2; r <= SizeGrid::kSize; ++r) {
        std::string text = ShowNumber(grid.At(r, 1));
        if (text == "0") {
            break;
        }
        diameters.push_back(std::move(text));
    }
    return diameters;
}

std::vector<std::string> AssortmentWalls(const SizeGrid& grid, int row) {
    std::vector<std::string> walls;
    if (row < 1 || row > SizeGrid::kSize) {
        return walls;
    }
    int n = 2;
    while (grid.At(1, n) != 0 && n < SizeGrid::kSize) {
        ++n;
    }
    for (int c = 2; c <= n; ++c) {
        if (grid.At(row, c) != 0) {
            walls.push_back(ShowNumber(grid.At(1, c)));
        }
    }
    return walls;
}

int DiameterRow(const SizeGrid& grid, double diameter) {
    int r = 2;
    while (grid.At(r, 1) != diameter && r < SizeGrid::kSize) {
        ++r;
    }
    return r;
}

}  // namespace tesmarik
