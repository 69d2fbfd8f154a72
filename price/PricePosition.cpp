#include "price/PricePosition.h"

#include "common/Numbers.h"

namespace tesmarik {

namespace {

// The columns of the price grid (see FilterPrices).
enum Column {
    kTypeColumn = 0,
    kDiameterColumn = 1,
    kWallColumn = 2,
    kSteelColumn = 3,
    kStandardColumn = 4,
    kPriceColumn = 6
};

}  // namespace

std::optional<PricePosition> PositionOfGridRow(const StringGrid& grid, int row) {
    if (row < grid.FixedRows || row >= grid.RowCount || grid.Cell(kTypeColumn, row).empty()) {
        return std::nullopt;
    }
    return PricePosition{grid.Cell(kDiameterColumn, row), grid.Cell(kWallColumn, row),
                         grid.Cell(kSteelColumn, row),    grid.Cell(kStandardColumn, row),
                         grid.Cell(kPriceColumn, row),    grid.Cell(kTypeColumn, row)};
}

std::optional<double> PricePerTonne(const std::string& price) {
    const NumberRead read = TryReadNumber(price);
    if (read.status != NumberRead::Status::Number || !(read.value > 0)) {
        return std::nullopt;
    }
    return read.value;
}

}  // namespace tesmarik
