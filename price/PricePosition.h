#pragma once

#include <optional>
#include <string>
#include <vector>

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

// The position a row of the price grid shows, from the row's cells in column order; none
// for a row without a position (the empty row of a filter that matches nothing).
std::optional<PricePosition> PositionOfGridRow(const std::vector<std::string>& cells);

// The price per tonne of a position; none when it is not a positive number ("договорная").
std::optional<double> PricePerTonne(const std::string& price);

}  // namespace tesmarik
