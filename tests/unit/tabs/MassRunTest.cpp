// Handlers of the mass run driven directly, for the states that the window never lets the
// user reach.
#include <gtest/gtest.h>

#include "form/TForm1.h"
#include "tabs/mass/MassRun.h"

namespace tesmarik {
namespace {

TEST(Edit10KeyPress, TheAverageLengthIsOnlyForTheModesOfAQuantity) {
    for (const auto& [mode, enabled] :
         std::vector<std::pair<int, bool>>{{-1, false}, {0, true}, {1, true}, {2, false}}) {
        TForm1 f;
        f.Edit11.Enabled = !enabled;
        Edit10KeyPress(f, MassState{mode});
        EXPECT_EQ(f.Edit11.Enabled, enabled) << mode;
    }
}

TEST(BitBtn4Click, NothingToSwitchBeforeTheFirstRun) {
    TForm1 f;
    BitBtn4Click(f);
    EXPECT_FALSE(f.Panel6.Visible);
    EXPECT_FALSE(f.Memo4.Visible);
    BitBtn1Click(f);
    EXPECT_FALSE(f.rtab.Visible);
    EXPECT_FALSE(f.Memo2.Visible);
}

}  // namespace
}  // namespace tesmarik
