#include "price/PricePosition.h"

#include "common/Numbers.h"

namespace tesmarik {

namespace {

// The columns of the price grid (see FilterPrices).
enum Column : std::size_t {
    kTypeColumn = 0,
    kDiameterColumn = 1,
    kWallColumn = 2,
    kSteelColumn = 3,
    kStandardColumn = 4,
    kPriceColumn = 6
};

}  // namespace

std::optional<PricePosition> PositionOfGridRow(const std::vector<std::string>& cells) {
    const auto cell = [&cells](Column column) {
        return column < cells.size() ? cells[column] : std::string();
    };
    if (cell(kTypeColumn).empty()) {
        return std::nullopt;
    }
    return PricePosition{cell(kDiameterColumn), cell(kWallColumn),  cell(kSteelColumn),
                         cell(kStandardColumn), cell(kPriceColumn), cell(kTypeColumn)};
}

std::optional<double> PricePerTonne(const std::string& price) {
    const NumberRead read = TryReadNumber(price);
    if (read.status != NumberRead::Status::Number || !(read.value > 0)) {
        return std::nullopt;
    }
    return read.value;
}

}  // namespace tesmarik
