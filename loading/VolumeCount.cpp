#include <algorithm>

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "loading/Vehicles.h"

namespace tesmarik {

namespace {

// How many D x D squares fit into the body's cross-section (cm² to mm²: times 100).
double CrossSectionEstimate(std::optional<VehicleKind> vehicle, double diameter) {
    const double width = vehicle ? Vehicle(*vehicle).bodyWidth : 0;
    const double height = vehicle ? Vehicle(*vehicle).bodyHeight : 0;
    const double area = Multiply(Multiply(width, height), 100);
    return Divide(area, Multiply(diameter, diameter));
}

template <std::size_t n>
bool Offers(const std::array<std::string, n>& list, double diameter) {
    return std::any_of(list.begin(), list.end(), [diameter](const std::string& item) {
        return item != kTypedDiameterItem && ReadNumber(item) == diameter;
    });
}

}  // namespace

double ByVolumeCount(std::optional<VehicleKind> vehicle, VolumeSource source, double diameter) {
    if (source == VolumeSource::CrossSection || !vehicle) {
        return CrossSectionEstimate(vehicle, diameter);
    }
    for (const NormRow& row : LoadingNormTable()) {
        if (row.diameter == diameter) {
            const double norm = row.pieces.at(static_cast<std::size_t>(*vehicle));
            return norm == 0 ? CrossSectionEstimate(vehicle, diameter) : norm;
        }
    }
    // A picked diameter always has a row; anything else is estimated like a typed one.
    return CrossSectionEstimate(vehicle, diameter);
}

std::optional<VolumeSource> VolumeSourceOf(VehicleKind vehicle, double diameter) {
    const bool platform = Vehicle(vehicle).platformList;
    if (platform ? Offers(PlatformDiameterList(), diameter)
                 : Offers(FullDiameterList(), diameter)) {
        return VolumeSource::Norms;
    }
    // Only the full list offers the typed item.
    if (!platform && diameter < kTypedDiameterBelow) {
        return VolumeSource::CrossSection;
    }
    return std::nullopt;
}

}  // namespace tesmarik
