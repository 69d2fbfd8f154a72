#pragma once

#include <optional>
#include <string>

#include "price/PriceStore.h"
#include "tabs/cost/CostState.h"

namespace tesmarik {

// The price list in memory. The search conditions live in the five lists of the tab.
struct PriceState {
    PriceStore store;
    CostState cost;  // of the position the cost window prices
    // The file last said to be no price list (its path and last write), said once.
    std::string toldNoPriceList;
    // The conditions of the filter whose error was shown, while they stand unchanged: a key
    // released over them shows it no more.
    std::string refusedFilter;
    // A price list just read that the program's memory has not been offered yet: true when
    // a download brought it, false for a file that was there.
    std::optional<bool> toKeep;
};

}  // namespace tesmarik
