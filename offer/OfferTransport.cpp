#include "offer/OfferTransport.h"

#include <algorithm>
#include <cmath>

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "loading/LoadingFigures.h"

namespace tesmarik {

namespace {

constexpr double kLargestTypedDiameter = 219;  // the tab's typed entry is "ввести d<219"

bool OnList(VehicleKind vehicle, const std::string& diameter) {
    const auto has = [&diameter](const auto& list) {
        return std::find(list.begin(), list.end(), diameter) != list.end();
    };
    return Vehicle(vehicle).platformList ? has(PlatformDiameterList()) : has(FullDiameterList());
}

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
    const double diameter = ReadNumber(p.diameter);
    // The diameter as the tab's list writes it: "530", not "530,0".
    const std::string listed = ShowNumber(diameter);
    LoadingState state;
    state.vehicle = vehicle;
    state.bodyWidth = Vehicle(vehicle).bodyWidth;
    state.bodyHeight = Vehicle(vehicle).bodyHeight;
    state.reportName = Vehicle(vehicle).reportName;
    if (OnList(vehicle, listed)) {
        state.typedDiameter = false;
    } else if (!Vehicle(vehicle).platformList && diameter < kLargestTypedDiameter) {
        state.typedDiameter = true;
    } else {
        return {std::nullopt, "нет норм погрузки"};
    }
    if (!PositiveNumber(capacityText)) {
        return {std::nullopt, "грузоподъёмность не задана"};
    }

    LoadingInputs inputs{listed, p.wall, ShowNumber(p.averageLength), capacityText, {}};
    // The pipes one vehicle takes: by volume, or as many as its capacity allows.
    const LoadingFigures single = ComputeLoading(inputs, state);
    const double perVehicle =
        single.capacityCase ? single.nCap : std::trunc(ByVolumeCount(state, diameter));
    if (perVehicle < 1) {
        return {std::nullopt, "не помещается в ТС"};
    }

    const CostFigures figures = PositionFigures(p);
    switch (p.unit) {
        case QuantityUnit::Tonnes:
            state.quantityBasis = kBasisMass;
            inputs.quantity = ShowNumber(p.quantity);
            break;
        case QuantityUnit::Metres:
            state.quantityBasis = kBasisLength;
            inputs.quantity = ShowNumber(p.quantity);
            break;
        case QuantityUnit::Pieces:
            state.quantityBasis = kBasisLength;
            inputs.quantity = ShowNumber(figures.length);
            break;
    }
    return {ComputeLoading(inputs, state).totalVeh, {}};
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
