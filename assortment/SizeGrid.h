#pragma once

#include <string>
#include <vector>

namespace tesmarik {

// A 300 x 300 matrix of doubles numbered from 1: row 1 the wall axis, column 1 the
// diameter axis, both ended by 0; cell [r,c] the size of diameter [r,1] and wall [1,c]
// (0: no such size).
class SizeGrid {
public:
    static constexpr int kSize = 300;
    double& At(int row, int col) {
        if (cells_.empty()) {
            cells_.assign(kCells, 0.0);
        }
        return cells_[Index(row, col)];
    }
    double At(int row, int col) const { return cells_.empty() ? 0.0 : cells_[Index(row, col)]; }
    void Clear() { cells_.clear(); }

private:
    static constexpr std::size_t kCells = static_cast<std::size_t>(kSize) * kSize;
    static std::size_t Index(int row, int col) {
        return static_cast<std::size_t>(row - 1) * kSize + static_cast<std::size_t>(col - 1);
    }
    // Empty until the first write: the window starts without the grids' 700 KB each, and
    // an empty grid reads as all zeros.
    std::vector<double> cells_;
};

// The universal assortment: writes rows 1-57 and columns 1-42 (1 where a size exists).
void FillAssortmentGrid(SizeGrid& grid);
// Its diameters in axis order as texts in the general number format, up to the first 0.
std::vector<std::string> AssortmentDiameters(const SizeGrid& grid);
// The walls of a row of the assortment whose cell is not 0, up to the end of the wall axis.
std::vector<std::string> AssortmentWalls(const SizeGrid& grid, int row);

// The first row from 2 on whose diameter is D; 300 when there is none.
int DiameterRow(const SizeGrid& grid, double diameter);

// Clears the grid and loads the mass table of a code ("T50", "T55", ...); an unknown code
// leaves the grid as it was.
void LoadTuMassTable(const std::string& code, SizeGrid& table);
// The mass table's diameters: every non-zero one of the 300 rows, in row order.
std::vector<std::string> TuDiameters(const SizeGrid& table);
// The walls of a row whose cell is not 0, over all 300 columns.
std::vector<std::string> TuWalls(const SizeGrid& table, int row);
// The mass of one metre, kg, at the first column from 2 whose wall is s (unrounded).
double TuMass(const SizeGrid& table, int row, double wall);

// The nine technical-conditions documents in list order, with the code of their table.
struct TuDocument {
    const char* name;
    const char* code;
};
const std::vector<TuDocument>& TuDocuments();

}  // namespace tesmarik
