#include "masscalc/MassFormulas.h"

#include <cmath>

#include "common/CheckedMath.h"

namespace tesmarik {

double RoundHalfUp(double x, int digits) {
    double scale = 1;
    for (int i = 0; i < digits; ++i) {
        scale *= 10;
    }
    return Divide(std::trunc(Add(Multiply(x, scale), 0.5)), scale);
}

namespace {

// kg per metre by the formula, without the allowance and unrounded.
double FormulaKilograms(double diameter, double wall) {
    return Multiply(Multiply(Subtract(diameter, wall), wall), kMassCoefficient);
}

}  // namespace

double PipeMassPerMetre(double diameter, double wall, bool withSeam) {
    double m = FormulaKilograms(diameter, wall);
    if (withSeam) {
        m = Multiply(m, kWeldSeamFactor);
    }
    return RoundHalfUp(m, 2);
}

double LoadingTonnesPerMetre(double diameter, double wall) {
    double m = RoundHalfUp(Divide(FormulaKilograms(diameter, wall), kKilogramsPerTonne), 3);
    if (SeamAllowanceApplies(diameter)) {
        m = Multiply(m, kWeldSeamFactor);
    }
    return m;
}

double MassFromLength(double length, double massPerMetre) {
    return RoundHalfUp(Divide(Multiply(length, massPerMetre), kKilogramsPerTonne), 3);
}

double LengthFromMass(double mass, double massPerMetre) {
    return RoundHalfUp(Divide(Multiply(mass, kKilogramsPerTonne), massPerMetre), 3);
}

double PipeMass(double length, double massPerMetre) {
    return MassFromLength(length, massPerMetre);
}

double PieceCount(double totalLength, double averageLength) {
    return WholePart(Divide(totalLength, averageLength));
}

}  // namespace tesmarik
