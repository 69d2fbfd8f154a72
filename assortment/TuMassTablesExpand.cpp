#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <stdexcept>

#include "assortment/SizeTableSource.h"
#include "masscalc/MassFormulas.h"

namespace tesmarik {

namespace {

constexpr double kNoFigureYet = std::numeric_limits<double>::quiet_NaN();

// Sizes are written with at most one decimal (60.3, 0.5), so they are whole tenths.
std::int64_t Tenths(double value) {
    const auto tenths = static_cast<std::int64_t>(std::llround(value * 10));
    if (static_cast<double>(tenths) / 10 != value) {
        throw std::logic_error("size is not in whole tenths of a millimetre");
    }
    return tenths;
}

std::int64_t PowerOfTen(int exponent) {
    std::int64_t p = 1;
    for (int i = 0; i < exponent; ++i) {
        p *= 10;
    }
    return p;
}

std::int64_t Checked(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r)) {
        throw std::logic_error("size too large for the exact mass rule");
    }
    return r;
}

std::size_t WallIndex(const std::vector<double>& walls, double wall) {
    for (std::size_t i = 0; i < walls.size(); ++i) {
        if (walls[i] == wall) {
            return i;
        }
    }
    throw std::logic_error("wall not in the wall axis");
}

std::size_t AddRow(ExpandedSizeTable& table, double diameter) {
    for (double d : table.diameters) {
        if (d == diameter) {
            throw std::logic_error("diameter listed twice");
        }
    }
    table.diameters.push_back(diameter);
    table.cells.resize(table.cells.size() + table.walls.size(), 0.0);
    return table.diameters.size() - 1;
}

std::size_t RowOf(const ExpandedSizeTable& table, double diameter) {
    for (std::size_t r = 0; r < table.diameters.size(); ++r) {
        if (table.diameters[r] == diameter) {
            return r;
        }
    }
    throw std::logic_error("figure for a diameter the table does not have");
}

double& ExistingCell(ExpandedSizeTable& table, double diameter, double wall) {
    double& cell =
        table.cells[RowOf(table, diameter) * table.walls.size() + WallIndex(table.walls, wall)];
    if (cell == 0) {
        throw std::logic_error("figure for a size the table does not have");
    }
    return cell;
}

}  // namespace

double NominalFigure(double diameter, double wall, int wallFactor, int digits) {
    // Everything in whole units of 10^-5: k = 2466, D − u·s and u·s exactly, so the
    // product is the exact decimal value in units of 10^-15 and rounds half up exactly.
    constexpr auto kCoefficient = static_cast<std::int64_t>(kMassCoefficient * 100000 + 0.5);
    const std::int64_t raisedWall = Checked(wallFactor, Tenths(wall));        // u·s × 10^5
    const std::int64_t rest = Checked(Tenths(diameter), 10000) - raisedWall;  // (D − u·s) × 10^5
    if (rest < 0 || digits < 0 || digits > 15) {
        throw std::logic_error("size outside the mass rule");
    }
    const std::int64_t product = Checked(Checked(kCoefficient, rest), raisedWall);
    const std::int64_t unit = PowerOfTen(15 - digits);
    const std::int64_t rounded = (product + unit / 2) / unit;
    return static_cast<double>(rounded) / static_cast<double>(PowerOfTen(digits));
}

double DensityFigure(double diameter, double wall) {
    const long double k = std::numbers::pi_v<long double> * 7.85L / 1000;
    const long double d = diameter;
    const long double s = wall;
    const long double m = k * (d - s) * s;
    return static_cast<double>(std::floor(m * 100 + 0.5L)) / 100;
}

ExpandedSizeTable ExpandSizeTable(const TuTableSource& source) {
    ExpandedSizeTable table;
    table.code = source.code;
    table.walls = source.walls;
    for (std::size_t i = 0; i < table.walls.size(); ++i) {
        if (table.walls[i] <= 0 || (i > 0 && table.walls[i] <= table.walls[i - 1])) {
            throw std::logic_error("wall axis not ascending");
        }
    }

    const std::size_t width = table.walls.size();
    for (const SizeRow& group : source.sizes) {
        for (double diameter : group.diameters) {
            const std::size_t row = AddRow(table, diameter);
            for (const WallStretch& stretch : group.walls) {
                const std::size_t first = WallIndex(table.walls, stretch.from);
                const std::size_t last = WallIndex(table.walls, stretch.to);
                if (last < first) {
                    throw std::logic_error("wall stretch runs backwards");
                }
                for (std::size_t c = first; c <= last; ++c) {
                    double& cell = table.cells[row * width + c];
                    if (cell != 0) {
                        throw std::logic_error("size listed twice");
                    }
                    cell = source.rule(diameter, table.walls[c]);
                }
            }
        }
    }

    for (const FigureRow& given : source.figureRows) {
        if (source.sizes.empty()) {
            const std::size_t row = AddRow(table, given.diameter);
            for (const WallFigure& f : given.figures) {
                table.cells[row * width + WallIndex(table.walls, f.wall)] = kNoFigureYet;
            }
        }
        for (const WallFigure& f : given.figures) {
            ExistingCell(table, given.diameter, f.wall) = f.mass;
        }
    }
    for (const SizeFigure& f : source.figures) {
        ExistingCell(table, f.diameter, f.wall) = f.mass;
    }

    for (double cell : table.cells) {
        if (std::isnan(cell) || cell < 0) {
            throw std::logic_error("size without a figure");
        }
    }
    return table;
}

const std::vector<ExpandedSizeTable>& ExpandedTuTables() {
    static const std::vector<ExpandedSizeTable> tables = {
        ExpandSizeTable(T50Source()),   ExpandSizeTable(T55Source()),
        ExpandSizeTable(T55hSource()),  ExpandSizeTable(T190Source()),
        ExpandSizeTable(T190hSource()), ExpandSizeTable(T460Source()),
        ExpandSizeTable(T460hSource()), ExpandSizeTable(T796Source()),
    };
    return tables;
}

}  // namespace tesmarik
