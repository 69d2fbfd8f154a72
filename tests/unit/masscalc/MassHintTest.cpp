#include <gtest/gtest.h>

#include "masscalc/MassHint.h"

namespace tesmarik {
namespace {

TEST(MassHint, TheUniversalTypeSaysWhetherTheSeamAllowanceWasAdded) {
    EXPECT_EQ(FormulaMassHint(530, 8, true),
              "по формуле 0,02466 × s × (D − s): 102,98 кг, с надбавкой 1 % на сварной шов: "
              "104,01 кг");
    EXPECT_EQ(FormulaMassHint(219, 6, false),
              "по формуле 0,02466 × s × (D − s): 31,52 кг, без надбавки на сварной шов");
}

TEST(MassHint, TheTableFigureIsSetAgainstTheFormulaWithItsSign) {
    // 60,3 × 10: the formula gives 12,4 kg.
    EXPECT_EQ(TableMassHint(60.3, 10, 12.2, "ТУ 14-3Р-55-2001"),
              "по формуле: 12,4 кг, по таблице ТУ 14-3Р-55-2001: 12,2 кг (−1,61 %)");
    EXPECT_EQ(TableMassHint(60.3, 10, 12.6, "ТУ"),
              "по формуле: 12,4 кг, по таблице ТУ: 12,6 кг (+1,61 %)");
    // A difference that rounds away shows no sign.
    EXPECT_EQ(TableMassHint(60.3, 10, 12.4004, "ТУ"),
              "по формуле: 12,4 кг, по таблице ТУ: 12,4004 кг (0 %)");
}

TEST(MassHint, NoPercentWithoutAFormulaFigure) {
    EXPECT_EQ(TableMassHint(10, 10, 5, "ТУ"), "по формуле: 0 кг, по таблице ТУ: 5 кг");
}

}  // namespace
}  // namespace tesmarik
