#pragma once

namespace tesmarik {

// A total of many values that does not drift: a thousand pipes of 1,248 t weigh 1248 t,
// not 1248,00000000003 t. Each step keeps the part of the sum that rounding cut off
// (Neumaier's compensated summation); a total beyond the range of a double raises the
// overflow error.
class RunningSum {
public:
    void Add(double x);
    double Value() const;

private:
    double sum_ = 0;
    double lost_ = 0;
};

}  // namespace tesmarik
