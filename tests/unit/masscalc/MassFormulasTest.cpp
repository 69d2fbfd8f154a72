#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/Error.h"
#include "common/Numbers.h"
#include "masscalc/MassFormulas.h"

namespace tesmarik {
namespace {

std::string ErrorOf(double (*f)(double, double), double a, double b) {
    try {
        f(a, b);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

// The text a user types for a count of hundredths: 6780 is "67,8".
std::string HundredthsText(long long hundredths) {
    std::string text = std::to_string(hundredths / 100);
    if (hundredths % 100 != 0) {
        text += "," + std::to_string(hundredths / 10 % 10);
        if (hundredths % 10 != 0) {
            text += std::to_string(hundredths % 10);
        }
    }
    return text;
}

TEST(RoundHalfUp, CutsTowardZeroAfterAddingAHalf) {
    EXPECT_EQ(RoundHalfUp(4.617585, 2), 4.62);
    EXPECT_EQ(RoundHalfUp(480.7230074, 3), 480.723);
    EXPECT_EQ(RoundHalfUp(0.0004, 3), 0);
    EXPECT_EQ(RoundHalfUp(7, 0), 7);
    EXPECT_EQ(RoundHalfUp(2.5, 0), 3);
    // Negative values are not mirrored.
    EXPECT_EQ(RoundHalfUp(-1.2, 0), 0);
    EXPECT_EQ(RoundHalfUp(-1.7, 0), -1);
}

TEST(PipeMassPerMetre, FormulaWithAndWithoutTheSeamAllowance) {
    EXPECT_EQ(ShowNumber(PipeMassPerMetre(530, 8, true)), "104,01");
    EXPECT_EQ(ShowNumber(PipeMassPerMetre(530, 8, false)), "102,98");
    EXPECT_EQ(PipeMassPerMetre(57, 3.5, false), 4.62);
    EXPECT_EQ(PipeMassPerMetre(219, 6, false), 31.52);
    EXPECT_EQ(PipeMassPerMetre(1020, 12, true), 301.27);
    EXPECT_EQ(PipeMassPerMetre(100, 100, false), 0);
    EXPECT_LT(PipeMassPerMetre(100, 120, false), 0);
}

TEST(MassConversions, TheExamplesOfOneMetreAt10401) {
    const double m = 104.01;
    EXPECT_EQ(ShowNumber(MassFromLength(1000, m)), "104,01");
    EXPECT_EQ(ShowNumber(LengthFromMass(50, m)), "480,723");
    EXPECT_EQ(ShowNumber(PipeMass(12, m)), "1,248");
    EXPECT_EQ(ShowNumber(PipeMass(11.3, m)), "1,175");
    EXPECT_EQ(ShowNumber(PipeMass(11.5, m)), "1,196");
    EXPECT_EQ(ShowNumber(PipeMass(9.75, m)), "1,014");
}

TEST(PieceCount, WholePipesOnly) {
    EXPECT_EQ(PieceCount(1000, 11.3), 88);
    EXPECT_EQ(PieceCount(0, 11.3), 0);
    EXPECT_EQ(PieceCount(11.2, 11.3), 0);
    EXPECT_EQ(PieceCount(22.6, 11.3), 2);
    EXPECT_EQ(PieceCount(480.723, 11.3), 42);
}

TEST(PieceCount, WholeMultiplesOfTheAverageLengthAreWholePipes) {
    // Average lengths as typed, in hundredths of a metre.
    const long long averages[] = {1130, 1170, 975, 1200, 1050, 10, 555, 1195, 833, 1};
    int cutShortInBinary = 0;
    for (const long long average : averages) {
        const std::string averageText = HundredthsText(average);
        SCOPED_TRACE("average " + averageText);
        const double a = ReadNumber(averageText);
        for (long long k = 1; k <= 1000; ++k) {
            const std::string exact = HundredthsText(k * average);
            const double total = ReadNumber(exact);
            ASSERT_EQ(PieceCount(total, a), k) << exact;
            if (std::trunc(total / a) < k) {
                ++cutShortInBinary;
            }
            // A centimetre short of the multiple is one pipe less; a centimetre over it
            // is no pipe more.
            const std::string shorter = HundredthsText(k * average - 1);
            ASSERT_EQ(PieceCount(ReadNumber(shorter), a), k - 1) << shorter;
            if (average > 1) {
                const std::string longer = HundredthsText(k * average + 1);
                ASSERT_EQ(PieceCount(ReadNumber(longer), a), k) << longer;
            }
        }
    }
    // The sweep reaches the multiples whose binary quotient lies below the whole number.
    EXPECT_GT(cutShortInBinary, 100);
}

TEST(MassConversions, ZeroDivisorsRaiseTheFloatingPointErrors) {
    EXPECT_EQ(ErrorOf(LengthFromMass, 50, 0), "Floating point division by zero");
    EXPECT_EQ(ErrorOf(LengthFromMass, 0, 0), "Invalid floating point operation");
    EXPECT_EQ(ErrorOf(PieceCount, 1000, 0), "Floating point division by zero");
    EXPECT_EQ(ErrorOf(PieceCount, 0, 0), "Invalid floating point operation");
    EXPECT_EQ(ErrorOf(MassFromLength, 1e300, 1e300), "Floating point overflow");
}

TEST(PipeMassPerMetre, HugeWallOverflowsInsteadOfShowingInfinity) {
    try {
        PipeMassPerMetre(530, 1e300, true);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

}  // namespace
}  // namespace tesmarik
