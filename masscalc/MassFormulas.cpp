#include "masscalc/MassFormulas.h"

#include <cmath>

#include "common/CheckedMath.h"

namespace tesmarik {

namespace {

constexpr double kMassCoefficient = 0.02466;  // kg/m per mm² of s × (D − s)
constexpr double kWeldSeamFactor = 1.01;
constexpr double kKilogramsPerTonne = 1000;

}  // namespace

double RoundHalfUp(double x, int digits) {
    double scale = 1;
    for (int i = 0; i < digits; ++i) {
        scale *= 10;
    }
    return Divide(std::trunc(Add(Multiply(x, scale), 0.5)), scale);
}

double PipeMassPerMetre(double diameter, double wall, bool withSeam) {
    double m = Multiply(Multiply(Subtract(diameter, wall), wall), kMassCoefficient);
    if (withSeam) {
        m = Multiply(m, kWeldSeamFactor);
    }
    return RoundHalfUp(m, 2);
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
