#pragma once

namespace tesmarik {

// The loading tab's own state.
struct LoadingState {
    int quantityBasis = -1;  // consignment given by mass (0) or length (1); -1 none chosen
};

}  // namespace tesmarik
