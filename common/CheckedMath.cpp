#include "common/CheckedMath.h"

#include <cmath>

#include "common/Error.h"

namespace tesmarik {

double Checked(double result) {
    if (std::isnan(result)) {
        throw InvalidOperationError();
    }
    if (std::isinf(result)) {
        throw OverflowError();
    }
    return result;
}

double Divide(double dividend, double divisor) {
    if (divisor == 0.0) {
        if (dividend == 0.0) {
            throw InvalidOperationError();
        }
        throw DivisionByZeroError();
    }
    return Checked(dividend / divisor);
}

double Multiply(double a, double b) {
    return Checked(a * b);
}

double Add(double a, double b) {
    return Checked(a + b);
}

double Subtract(double a, double b) {
    return Checked(a - b);
}

double WholePart(double x) {
    const double nearest = std::round(x);
    if (std::abs(x - nearest) <= kWholeTolerance * std::abs(nearest)) {
        return nearest;
    }
    return std::trunc(x);
}

}  // namespace tesmarik
