#include <gtest/gtest.h>

#include "app/SharedState.h"
#include "app/Unit1.h"
#include "form/TForm1.h"

namespace tesmarik {
namespace {

// What is on screen and what the user can reach, in the window as it opens and after a
// change of tab.
TEST(Controls, ShownAndReachableFollowTabsVisibilityAndEnabledState) {
    TForm1 f;
    SharedState state;
    FormCreate(f, state);

    EXPECT_TRUE(IsShown(f.RadioGroup1));  // the loading tab is in front
    EXPECT_TRUE(IsReachable(f.RadioGroup1));
    EXPECT_FALSE(IsShown(f.ComboBox1));  // the mass tab is behind
    EXPECT_FALSE(IsReachable(f.ComboBox1));

    f.PageControl1.ActivePageIndex = 0;
    EXPECT_TRUE(IsShown(f.ComboBox1));
    EXPECT_TRUE(IsReachable(f.ComboBox1));
    EXPECT_FALSE(IsShown(f.RadioGroup1));
    // Disabled at start: on screen, out of reach.
    EXPECT_TRUE(IsShown(f.ComboBox2));
    EXPECT_FALSE(IsReachable(f.ComboBox2));

    // A hidden parent hides its children; the form is the window and counts as shown,
    // but nothing in a hidden window can be reached.
    f.TabSheet1.Visible = false;
    EXPECT_FALSE(IsShown(f.ComboBox1));
    f.TabSheet1.Visible = true;
    f.Form1.Visible = false;
    EXPECT_TRUE(IsShown(f.ComboBox1));
    EXPECT_FALSE(IsReachable(f.ComboBox1));
}

}  // namespace
}  // namespace tesmarik
