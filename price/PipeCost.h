#pragma once

#include <optional>

#include "price/QuantityInput.h"

namespace tesmarik {

struct CostInput {
    double diameter = 0;  // mm
    double wall = 0;      // mm
    QuantityUnit unit = QuantityUnit::Metres;
    double quantity = 0;                  // in the unit
    double averageLength = 0;             // m
    std::optional<double> pricePerTonne;  // none: the price is negotiable
};

// The figures of the cost window, each rounded as the mass tab rounds it.
struct CostFigures {
    double massPerMetre = 0;     // kg, the universal formula with the seam allowance from 530 mm
    double length = 0;           // m
    double mass = 0;             // t
    double pieces = 0;           // whole pipes
    std::optional<double> cost;  // roubles, the mass as shown times the price
};

CostFigures ComputeCost(const CostInput& in);

// The mass of one metre as the mass tab computes it for the universal type.
double UniversalMassPerMetre(double diameter, double wall);

}  // namespace tesmarik
