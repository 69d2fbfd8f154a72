#pragma once

#include <optional>

#include "price/PricePosition.h"

namespace tesmarik {

// What the cost window keeps of the position it prices.
struct CostState {
    std::optional<double> pricePerTonne;  // none: negotiable
    PricePosition position;               // the row of the price grid it was opened on
};

}  // namespace tesmarik
