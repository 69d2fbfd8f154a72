#pragma once

#include <optional>

#include "loading/Vehicles.h"

namespace tesmarik {

// How the consignment is given: by its mass or by its length.
enum class QuantityBasis { None, Mass, Length };

// One size of pipe on one vehicle, and the consignment of it, as numbers.
struct LoadingQuery {
    std::optional<VehicleKind> vehicle;  // none chosen yet: a body of no cross-section
    VolumeSource volume = VolumeSource::Norms;
    double diameter = 0;  // D, mm
    double wall = 0;      // S, mm
    double length = 0;    // L, average length of one pipe, m
    double capacity = 0;  // C, carrying capacity of one vehicle, t
    QuantityBasis basis = QuantityBasis::None;
    double quantity = 0;  // Q, t or m by the basis
};

// The pipe in the body: its count by volume (not rounded) and the mass of one metre, t.
struct BodyFill {
    double byVolume = 0;
    double tonnesPerMetre = 0;
};

// One vehicle loaded by volume, and by its capacity when the volume is heavier; not
// rounded.
struct VehicleLoad {
    BodyFill body;
    double length = 0;  // m, of one pipe
    double massV = 0;   // t
    double lenV = 0;    // m
    bool capacityCase = false;
    double nCap = 0;
    double massCap = 0;  // t
    double lenCap = 0;   // m
    double pieces = 0;   // whole pipes one vehicle takes: trunc of the count by volume or nCap
};

// Every value one computation shows, already rounded as it is shown.
struct LoadingFigures {
    double byVolumeShown = 0;  // R(Nv, 0)
    double massV = 0;          // t, a by-volume load
    double lenV = 0;           // m

    bool capacityCase = false;  // the by-volume load is heavier than the vehicle may carry
    double nCap = 0;
    double massCap = 0;  // t
    double lenCap = 0;   // m

    bool withBasis = false;  // a consignment was given, by mass or by length
    double totMass = 0;      // t
    double totLen = 0;       // m
    double totCnt = 0;       // whole pipes
    double totalVeh = 0;     // vehicles needed
    double full = 0;         // fully loaded vehicles
    double fullCnt = 0;      // pipes on them together
    double fullMass = 0;     // t, not rounded
    double fullLen = 0;      // m
    double pct = 0;          // load of the last vehicle, %
    double rem = 0;          // pipes on the last vehicle
    double lastMass = 0;     // t
    double lastLen = 0;      // m
};

// The computation comes in three steps, each throwing the floating-point errors it meets,
// so that a face reading its fields one by one reads each just before the step that needs
// it: the body (diameter and wall), one vehicle (length and capacity), the consignment.
BodyFill FillOfBody(std::optional<VehicleKind> vehicle, VolumeSource volume, double diameter,
                    double wall);
VehicleLoad LoadOfVehicle(const BodyFill& body, double length, double capacity);
LoadingFigures FiguresOf(const VehicleLoad& load, QuantityBasis basis, double quantity);

// The three steps at once.
LoadingFigures ComputeLoading(const LoadingQuery& query);
// One vehicle alone: the first two steps.
VehicleLoad LoadOfVehicle(const LoadingQuery& query);

}  // namespace tesmarik
