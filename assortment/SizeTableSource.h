#pragma once

#include <string>
#include <vector>

namespace tesmarik {

// The compact form in which the size tables are written down: axes, stretches of walls per
// group of diameters, the rule of a table's figures and the figures that stand instead.

// One wall, or every wall of the table's wall axis from `from` to `to` inclusive.
struct WallStretch {
    // Implicit, so that a single wall is written as a plain number.
    WallStretch(double wall) : from(wall), to(wall) {}  // NOLINT(google-explicit-constructor)
    WallStretch(double first, double last) : from(first), to(last) {}
    double from;
    double to;
};

// Diameters that offer the same walls.
struct SizeRow {
    std::vector<double> diameters;
    std::vector<WallStretch> walls;
};

// A figure in kg per metre that stands for one size.
struct SizeFigure {
    double diameter;
    double wall;
    double mass;
};

struct WallFigure {
    double wall;
    double mass;
};

// The figures of one diameter, given in full.
struct FigureRow {
    double diameter;
    std::vector<WallFigure> figures;
};

// The rule of a table: the figure of a size, or NaN where the table gives its figures in
// full instead.
using FigureRule = double (*)(double diameter, double wall);

struct TuTableSource {
    std::string code;
    std::vector<double> walls;
    // Sizes in row order. A table whose figures are all given in full (figureRows) may
    // leave this empty; its rows are then those of figureRows.
    std::vector<SizeRow> sizes;
    FigureRule rule = nullptr;
    // Figures given in full for whole diameters, in row order.
    std::vector<FigureRow> figureRows;
    // Single figures that stand instead of the rule's.
    std::vector<SizeFigure> figures;
};

// A table spelled out: the axes and the figure of every diameter (row) and wall (column),
// 0 where there is no such size.
struct ExpandedSizeTable {
    std::string code;
    std::vector<double> walls;
    std::vector<double> diameters;
    std::vector<double> cells;  // diameters.size() x walls.size(), row by row

    double Cell(std::size_t row, std::size_t col) const { return cells[row * walls.size() + col]; }
};

// Spells a table out; throws std::logic_error when the written-down form does not hold
// together (a wall not in the axis, a size without a figure, a figure without a size).
ExpandedSizeTable ExpandSizeTable(const TuTableSource& source);

// The mass of one metre by k × (D − u·s) × u·s with k = 0.02466, computed exactly in
// decimal and rounded half up to `digits` decimals; u in ten-thousandths (10750 for 1.075).
double NominalFigure(double diameter, double wall, int wallFactor, int digits = 2);
// The same with u = 1 and k = π × 7.85 / 1000 (steel of density 7.85), 2 decimals.
double DensityFigure(double diameter, double wall);

// The sources of the eight mass tables.
TuTableSource T50Source();
TuTableSource T55Source();
TuTableSource T55hSource();
TuTableSource T190Source();
TuTableSource T190hSource();
TuTableSource T460Source();
TuTableSource T460hSource();
TuTableSource T796Source();

// All eight tables spelled out, built once.
const std::vector<ExpandedSizeTable>& ExpandedTuTables();

}  // namespace tesmarik
