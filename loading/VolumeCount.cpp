#include "common/CheckedMath.h"
#include "loading/LoadingState.h"

namespace tesmarik {

namespace {

// How many D x D squares fit into the body's cross-section (cm² to mm²: times 100).
double CrossSectionEstimate(const LoadingState& state, double diameter) {
    const double area = Multiply(Multiply(state.bodyWidth, state.bodyHeight), 100);
    return Divide(area, Multiply(diameter, diameter));
}

}  // namespace

double ByVolumeCount(const LoadingState& state, double diameter) {
    if (state.typedDiameter || !state.vehicle) {
        return CrossSectionEstimate(state, diameter);
    }
    for (const NormRow& row : LoadingNormTable()) {
        if (row.diameter == diameter) {
            const double norm = row.pieces.at(static_cast<std::size_t>(*state.vehicle));
            return norm == 0 ? CrossSectionEstimate(state, diameter) : norm;
        }
    }
    // A picked diameter always has a row; anything else is estimated like a typed one.
    return CrossSectionEstimate(state, diameter);
}

}  // namespace tesmarik
