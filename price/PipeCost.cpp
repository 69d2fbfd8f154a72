#include "price/PipeCost.h"

#include "common/CheckedMath.h"
#include "masscalc/MassFormulas.h"

namespace tesmarik {

double UniversalMassPerMetre(double diameter, double wall) {
    return PipeMassPerMetre(diameter, wall, SeamAllowanceApplies(diameter));
}

CostFigures ComputeCost(const CostInput& in) {
    CostFigures out;
    out.massPerMetre = UniversalMassPerMetre(in.diameter, in.wall);
    switch (in.unit) {
        case QuantityUnit::Metres:
            out.length = in.quantity;
            out.mass = MassFromLength(out.length, out.massPerMetre);
            out.pieces = PieceCount(out.length, in.averageLength);
            break;
        case QuantityUnit::Tonnes:
            out.mass = RoundHalfUp(in.quantity, 3);
            out.length = LengthFromMass(out.mass, out.massPerMetre);
            out.pieces = PieceCount(out.length, in.averageLength);
            break;
        case QuantityUnit::Pieces:
            out.pieces = in.quantity;
            out.length = RoundHalfUp(Multiply(in.quantity, in.averageLength), 3);
            out.mass = MassFromLength(out.length, out.massPerMetre);
            break;
    }
    if (in.pricePerTonne) {
        out.cost = RoundHalfUp(Multiply(out.mass, *in.pricePerTonne), 2);
    }
    return out;
}

}  // namespace tesmarik
