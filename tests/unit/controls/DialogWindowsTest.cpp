#include <gtest/gtest.h>

#include "controls/DialogWindows.h"

namespace tesmarik {
namespace {

struct Dialog : ControlRegistry {
    explicit Dialog(const char* name) : form(*this, name), button(*this, "Button1") {
        form.Visible = false;
        button.Place(&form, 0, 0, 10, 10);
    }
    FormControl form;
    Button button;
};

TEST(DialogWindows, TheWindowOnTopAloneIsReachable) {
    ControlRegistry mainRegistry;
    FormControl main(mainRegistry, "Form1");
    Button mainButton(mainRegistry, "Button1");
    mainButton.Place(&main, 0, 0, 10, 10);
    Dialog first("Form2");
    Dialog second("Form3");
    DialogWindows dialogs(main);

    EXPECT_TRUE(IsReachable(mainButton));
    EXPECT_FALSE(IsReachable(first.button));  // closed

    dialogs.Open(first);
    EXPECT_FALSE(IsReachable(mainButton));
    EXPECT_TRUE(IsReachable(first.button));
    EXPECT_EQ(dialogs.Top(), &first);
    EXPECT_EQ(dialogs.OpenNamed("Form2"), &first);
    EXPECT_EQ(dialogs.OpenNamed("Form3"), nullptr);

    dialogs.Open(second);
    EXPECT_FALSE(IsReachable(first.button));
    EXPECT_TRUE(IsReachable(second.button));

    dialogs.Close(first.form);  // one under the top closes; the top stays on top
    EXPECT_FALSE(first.form.Visible);
    EXPECT_TRUE(IsReachable(second.button));
    EXPECT_FALSE(IsReachable(mainButton));

    dialogs.Close(second.form);
    EXPECT_TRUE(IsReachable(mainButton));
    EXPECT_EQ(dialogs.Top(), nullptr);
    dialogs.Close(second.form);  // closing a closed one changes nothing
    EXPECT_TRUE(IsReachable(mainButton));
}

}  // namespace
}  // namespace tesmarik
