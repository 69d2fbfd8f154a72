#include "offer/OfferTransport.h"

#include <algorithm>

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "loading/LoadingFigures.h"

namespace tesmarik {

namespace {

std::optional<double> PositiveNumber(const std::string& text) {
    const NumberRead read = TryReadNumber(text);
    if (read.status != NumberRead::Status::Number || !(read.value > 0)) {
        return std::nullopt;
    }
    return read.value;
}

}  // namespace

VehicleNeed VehiclesForPosition(VehicleKind vehicle, const OfferPosition& p,
                                const std::string& capacityText) {
    const std::optional<VolumeSource> volume = VolumeSourceOf(vehicle, p.diameter);
    if (!volume) {
        return {std::nullopt, "нет норм погрузки", std::nullopt};
    }
    const std::optional<double> capacity = PositiveNumber(capacityText);
    if (!capacity) {
        return {std::nullopt, "грузоподъёмность не задана", std::nullopt};
    }

    LoadingQuery query{vehicle, *volume, p.diameter, p.wall, p.averageLength, *capacity};
    if (LoadOfVehicle(query).pieces < 1) {
        return {std::nullopt, "не помещается в ТС", std::nullopt};
    }
    switch (p.unit) {
        case QuantityUnit::Tonnes:
            query.basis = QuantityBasis::Mass;
            query.quantity = p.quantity;
            break;
        case QuantityUnit::Metres:
            query.basis = QuantityBasis::Length;
            query.quantity = p.quantity;
            break;
        case QuantityUnit::Pieces:
            // Pipes are their length at the average length, as the cost window has it.
            query.basis = QuantityBasis::Length;
            query.quantity = PositionFigures(p).length;
            break;
    }
    const LoadingFigures figures = ComputeLoading(query);
    return {figures.totalVeh, {}, PlanItemOf(query, static_cast<long long>(figures.totCnt))};
}

std::optional<double> VehiclesByCapacity(double totalMass, const std::string& capacityText) {
    const auto capacity = PositiveNumber(capacityText);
    if (!capacity) {
        return std::nullopt;
    }
    const double vehicles = Divide(totalMass, *capacity);
    const double whole = WholePart(vehicles);
    // A mass of whole vehicles within binary rounding needs no extra one.
    return vehicles - whole <= kWholeTolerance * std::max(1.0, whole) ? whole : whole + 1;
}

}  // namespace tesmarik
