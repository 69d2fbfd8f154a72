#include <gtest/gtest.h>

#include <cmath>

#include "common/CheckedMath.h"

namespace tesmarik {
namespace {

TEST(WholePart, AHairFromAWholeNumberIsThatNumber) {
    for (const double n : {1.0, 3.0, 6.0, 81.0, 1000.0, 123456789.0}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(WholePart(n), n);
        // The noise of binary arithmetic, on either side.
        EXPECT_EQ(WholePart(std::nextafter(n, 0.0)), n);
        EXPECT_EQ(WholePart(std::nextafter(std::nextafter(n, 0.0), 0.0)), n);
        EXPECT_EQ(WholePart(std::nextafter(n, 2 * n)), n);
        // Within the tolerance, and beyond it.
        EXPECT_EQ(WholePart(n * (1 - kWholeTolerance / 2)), n);
        EXPECT_EQ(WholePart(n * (1 + kWholeTolerance / 2)), n);
        EXPECT_EQ(WholePart(n * (1 - 2 * kWholeTolerance)), n - 1);
        EXPECT_EQ(WholePart(n * (1 + 2 * kWholeTolerance)), n);
        // Negative values mirror the positive ones.
        EXPECT_EQ(WholePart(-std::nextafter(n, 0.0)), -n);
        EXPECT_EQ(WholePart(-n * (1 - 2 * kWholeTolerance)), -(n - 1));
    }
}

TEST(WholePart, FarFromAWholeNumberTheFractionIsCut) {
    EXPECT_EQ(WholePart(0), 0);
    EXPECT_EQ(WholePart(0.3), 0);
    EXPECT_EQ(WholePart(0.9999999), 0);
    EXPECT_EQ(WholePart(2.9999999), 2);
    EXPECT_EQ(WholePart(2.5), 2);
    EXPECT_EQ(WholePart(2.0000001), 2);
    EXPECT_EQ(WholePart(-2.5), -2);
    EXPECT_EQ(WholePart(-0.3), 0);
    EXPECT_EQ(WholePart(1e20), 1e20);
}

}  // namespace
}  // namespace tesmarik
