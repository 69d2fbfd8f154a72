#pragma once

namespace tesmarik {

// Arithmetic that never lets an infinity or NaN through: a result that would be one
// raises the floating-point error the user sees instead.
double Checked(double result);
double Divide(double dividend, double divisor);
double Multiply(double a, double b);
double Add(double a, double b);
double Subtract(double a, double b);

}  // namespace tesmarik
