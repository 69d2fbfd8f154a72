#pragma once

namespace tesmarik {

// The formula of the mass of one metre: kMassCoefficient × s × (D − s) kg, with D the
// outer diameter and s the wall in mm.
inline constexpr double kMassCoefficient = 0.02466;
// The 1 % weld-seam allowance.
inline constexpr double kWeldSeamFactor = 1.01;
inline constexpr double kKilogramsPerTonne = 1000;

// The weld-seam allowance applies from this outer diameter on, in mm: larger pipes are
// welded.
inline constexpr double kSeamAllowanceFromDiameter = 530;
inline constexpr bool SeamAllowanceApplies(double diameter) {
    return diameter >= kSeamAllowanceFromDiameter;
}

// The integer part, toward zero, of x * 10^digits + 0.5, divided by 10^digits: half up
// for the non-negative values of the program (a negative value is not mirrored).
double RoundHalfUp(double x, int digits);

// Mass of one metre in kg from outer diameter and wall in mm, with the optional 1 %
// weld-seam allowance; rounded to 2 decimals. The mass tab and the cost window: the figure
// the user reads in kg, so the allowance comes before the rounding.
double PipeMassPerMetre(double diameter, double wall, bool withSeam);
// Mass of one metre in tonnes for the loading tab: rounded to 3 decimals before the
// allowance (from kSeamAllowanceFromDiameter on), not after it. The loading figures have
// always been worked from this value, which can differ from PipeMassPerMetre / 1000 in the
// last places.
double LoadingTonnesPerMetre(double diameter, double wall);
// Total mass in tonnes of a total length in metres; 3 decimals.
double MassFromLength(double length, double massPerMetre);
// Total length in metres of a total mass in tonnes; 3 decimals.
double LengthFromMass(double mass, double massPerMetre);
// Mass in tonnes of one pipe of the given length; 3 decimals.
double PipeMass(double length, double massPerMetre);
// Whole pipes of the average length in the total length; a quotient a hair short of a
// whole number because of binary arithmetic counts as that number (33,9 m / 11,3 m are 3).
double PieceCount(double totalLength, double averageLength);

}  // namespace tesmarik
