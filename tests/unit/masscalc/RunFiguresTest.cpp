#include <gtest/gtest.h>

#include <string>

#include "common/Error.h"
#include "masscalc/MassFormulas.h"
#include "masscalc/RunFigures.h"

namespace tesmarik {
namespace {

std::string ErrorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(RunQuantities, TheTypedQuantityStaysAsTypedAndTheOtherIsComputed) {
    const RunQuantities byLength = QuantitiesOfLength("1000", 104.01);
    EXPECT_EQ(byLength.lengthText, "1000");
    EXPECT_EQ(byLength.massText, "104,01");
    const RunQuantities byMass = QuantitiesOfMass("104,010", 104.01);
    EXPECT_EQ(byMass.lengthText, "1000");
    EXPECT_EQ(byMass.massText, "104,010");
    EXPECT_EQ(ErrorOf([] { QuantitiesOfLength("1 000", 104.01); }),
              "'1 000' is not a valid floating point value");
}

TEST(RunPieceCount, TheAverageIsReadFirstAndTheTotalAlways) {
    EXPECT_EQ(RunPieceCount("1000", "11,3"), 88);
    EXPECT_EQ(RunPieceCount("33,9", "11,3"), 3);
    EXPECT_EQ(RunPieceCount("1000", ""), 0);
    // Without a mode there is no total: its reading fails even without an average.
    EXPECT_EQ(ErrorOf([] { RunPieceCount("", ""); }), "'' is not a valid floating point value");
    EXPECT_EQ(ErrorOf([] { RunPieceCount("x", "abc"); }),
              "'abc' is not a valid floating point value");
    EXPECT_EQ(ErrorOf([] { RunPieceCount("1000", "0"); }), "Floating point division by zero");
}

TEST(PipeWeighing, EachPipeAsItComesAndTotalsThatDoNotDrift) {
    PipeWeighing weighing(104.01);
    EXPECT_EQ(weighing.Weigh("12"), 1.248);
    EXPECT_EQ(weighing.Weigh("9,75"), 1.014);
    EXPECT_EQ(weighing.Count(), 2);
    EXPECT_EQ(weighing.TotalLengthText(), "21,75");
    EXPECT_EQ(weighing.TotalMassText(), "2,262");
    // A length that is no number is not counted.
    EXPECT_EQ(ErrorOf([&] { weighing.Weigh("1x"); }), "'1x' is not a valid floating point value");
    EXPECT_EQ(weighing.Count(), 2);

    PipeWeighing tenths(1);
    for (int i = 0; i < 100; ++i) {
        tenths.Weigh("0,1");
    }
    EXPECT_EQ(tenths.TotalLengthText(), "10");
}

// The loading tab's tonnes: rounded before the allowance, which starts at 530 mm.
TEST(LoadingTonnesPerMetre, RoundsBeforeTheAllowance) {
    EXPECT_DOUBLE_EQ(LoadingTonnesPerMetre(530, 10), 0.128 * 1.01);
    EXPECT_DOUBLE_EQ(LoadingTonnesPerMetre(529, 10), 0.128);
    EXPECT_DOUBLE_EQ(LoadingTonnesPerMetre(219, 8), 0.042);
    // The mass tab rounds after the allowance, in kg: 128,232 × 1,01.
    EXPECT_EQ(PipeMassPerMetre(530, 10, true), 129.51);  // not 129,28
    EXPECT_TRUE(SeamAllowanceApplies(530));
    EXPECT_FALSE(SeamAllowanceApplies(529.9));
}

}  // namespace
}  // namespace tesmarik
