#pragma once

#include <optional>
#include <string>

#include "loading/Vehicles.h"

namespace tesmarik {

// How the consignment is given on the loading tab: the items of its radio group.
inline constexpr int kBasisNone = -1;
inline constexpr int kBasisMass = 0;
inline constexpr int kBasisLength = 1;

// The loading tab's own state.
struct LoadingState {
    int quantityBasis = kBasisNone;  // consignment given by mass (0) or length (1); -1 none
    // The current vehicle and its name as the report writes it; it outlives the reset,
    // which only clears the radio group.
    std::optional<VehicleKind> vehicle;
    std::string reportName;
    // The diameter was typed rather than picked: the count by volume is then estimated
    // from the cross-section.
    bool typedDiameter = false;
};

}  // namespace tesmarik
