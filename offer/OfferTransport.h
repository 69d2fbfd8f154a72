#pragma once

#include <optional>
#include <string>

#include "loading/LoadingPlan.h"
#include "loading/Vehicles.h"
#include "offer/OfferPosition.h"

namespace tesmarik {

// The vehicles one position needs by itself, or why none can be counted.
struct VehicleNeed {
    std::optional<double> vehicles;
    std::string problem;  // "нет норм погрузки", said in the position's row
    // The position as a loading plan takes it: its whole pipes, as the count above has them.
    std::optional<PlanItem> item;
};

// The vehicles a consignment of the position's size and quantity needs, computed as the
// loading tab computes it for that vehicle, the capacity typed (its text) and the
// position's average length, the diameter counted as the loading rules count it for that
// vehicle (VolumeSourceOf); a diameter the vehicle's norms do not cover is said so.
VehicleNeed VehiclesForPosition(VehicleKind vehicle, const OfferPosition& p,
                                const std::string& capacityText);

// The vehicles a total mass needs by carrying capacity alone (whole vehicles, rounded up);
// none when the capacity text is not a positive number.
std::optional<double> VehiclesByCapacity(double totalMass, const std::string& capacityText);

}  // namespace tesmarik
