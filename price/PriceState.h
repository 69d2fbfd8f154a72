#pragma once

namespace tesmarik {

// The price list in memory and the search conditions of the price tab.
struct PriceState {};

}  // namespace tesmarik
