#pragma once

#include <optional>
#include <string>

#include "loading/Vehicles.h"

namespace tesmarik {

// How the consignment is given on the loading tab.
inline constexpr int kBasisNone = -1;
inline constexpr int kBasisMass = 0;
inline constexpr int kBasisLength = 1;

// The loading tab's own state.
struct LoadingState {
    int quantityBasis = kBasisNone;  // consignment given by mass (0) or length (1); -1 none
    // The current vehicle with the data copied from its row when it was chosen; it
    // outlives the reset, which only clears the radio group.
    std::optional<VehicleKind> vehicle;
    double bodyWidth = 0;   // cm
    double bodyHeight = 0;  // cm
    std::string reportName;
    // The diameter was typed rather than picked: the count by volume is then estimated
    // from the cross-section.
    bool typedDiameter = false;
};

// Pipes of outer diameter D (mm) that fit into the current vehicle by volume: the norm
// of a picked diameter, or, for a typed diameter or a missing norm, the number of D x D
// squares in the body cross-section. Not rounded.
double ByVolumeCount(const LoadingState& state, double diameter);

}  // namespace tesmarik
