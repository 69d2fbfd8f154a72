#include "masscalc/RunningSum.h"

#include <cmath>

#include "common/CheckedMath.h"

namespace tesmarik {

void RunningSum::Add(double x) {
    const double next = ::tesmarik::Add(sum_, x);
    if (std::fabs(sum_) >= std::fabs(x)) {
        lost_ += (sum_ - next) + x;
    } else {
        lost_ += (x - next) + sum_;
    }
    sum_ = next;
}

double RunningSum::Value() const {
    return Checked(sum_ + lost_);
}

}  // namespace tesmarik
