#pragma once

#include <string>

#include "loading/LoadingState.h"

namespace tesmarik {

// The texts of the loading tab's fields at the moment of computing.
struct LoadingInputs {
    std::string diameter;  // D, mm
    std::string wall;      // S, mm
    std::string length;    // L, average length of one pipe, m
    std::string capacity;  // C, carrying capacity of one vehicle, t
    std::string quantity;  // Q, the consignment in tonnes or metres by the basis
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

// Reads the fields and computes everything before anything is shown, so that a failing
// field or a division by zero leaves the panel and the report as they were. Throws the
// conversion and floating-point errors in the order the fields and steps are reached.
LoadingFigures ComputeLoading(const LoadingInputs& inputs, const LoadingState& state);

}  // namespace tesmarik
