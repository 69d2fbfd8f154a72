#pragma once

#include <optional>
#include <string>

#include "common/Controls.h"

namespace tesmarik {

// The fields of one row of the price grid that its cost and its size are taken from.
struct PricePosition {
    std::string diameter;
    std::string wall;
    std::string steel;
    std::string standard;
    std::string price;
    std::string type;  // the price list's type code: "n", "l", "v", "kt"
};

// The position shown in a row of the price grid; none for the heading and for a row
// without a position (the empty row of a filter that matches nothing).
std::optional<PricePosition> PositionOfGridRow(const StringGrid& grid, int row);

// The price per tonne of a position; none when it is not a positive number ("договорная").
std::optional<double> PricePerTonne(const std::string& price);

}  // namespace tesmarik
