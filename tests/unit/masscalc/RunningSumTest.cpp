#include <gtest/gtest.h>

#include "common/Error.h"
#include "common/Numbers.h"
#include "masscalc/RunningSum.h"

namespace tesmarik {
namespace {

double SumOf(double value, int times) {
    RunningSum sum;
    for (int i = 0; i < times; ++i) {
        sum.Add(value);
    }
    return sum.Value();
}

TEST(RunningSum, ManyRoundedMassesAddUpWithoutDrift) {
    EXPECT_EQ(SumOf(1.248, 0), 0);
    EXPECT_EQ(ShowNumber(SumOf(1.248, 1000)), "1248");
    EXPECT_EQ(ShowNumber(SumOf(0.1, 10)), "1");
    EXPECT_EQ(ShowNumber(SumOf(11.3, 100000)), "1130000");
    EXPECT_EQ(ShowNumber(SumOf(0.001, 1000000)), "1000");
}

TEST(RunningSum, MixedSignsAndMagnitudes) {
    RunningSum sum;
    for (const double x : {1e16, 1.0, -1e16, 2.5, -1.199}) {
        sum.Add(x);
    }
    EXPECT_EQ(ShowNumber(sum.Value()), "2,301");
}

TEST(RunningSum, BeyondTheRangeOfADoubleIsAnOverflow) {
    RunningSum sum;
    sum.Add(1.5e308);
    try {
        sum.Add(1.5e308);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

}  // namespace
}  // namespace tesmarik
