#pragma once

#include <optional>
#include <utility>

#include "price/PricePosition.h"

namespace tesmarik {

// What the cost window keeps of the position it prices.
struct CostState {
    std::optional<double> pricePerTonne;  // none: negotiable
    PricePosition position;               // the row of the price grid it was opened on
    // The ends of the position's diameter and wall when it names a range of sizes.
    std::optional<std::pair<double, double>> diameterRange;
    std::optional<std::pair<double, double>> wallRange;
};

}  // namespace tesmarik
