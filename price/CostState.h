#pragma once

#include <optional>

namespace tesmarik {

// What the cost window keeps of the position it prices.
struct CostState {
    std::optional<double> pricePerTonne;  // none: negotiable
};

}  // namespace tesmarik
