#pragma once

namespace tesmarik {

// Arithmetic that never lets an infinity or NaN through: a result that would be one
// raises the floating-point error the user sees instead.
double Checked(double result);
double Divide(double dividend, double divisor);
double Multiply(double a, double b);
double Add(double a, double b);
double Subtract(double a, double b);

// How near a whole number a count may lie and still be that number, relative to it. A
// quotient of decimals the user typed (67,8 m / 11,3 m) comes out of binary arithmetic a
// few units of the last place off (5,999999999999999); anything a user can type short of
// a whole number (67,79 m) is millions of times farther away.
inline constexpr double kWholeTolerance = 1e-9;

// The integer part of x, toward zero, where an x within kWholeTolerance of a whole number
// counts as that whole number: the whole pipes or vehicles in a quotient of typed decimals.
double WholePart(double x);

}  // namespace tesmarik
