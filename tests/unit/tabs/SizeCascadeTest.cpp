// Handlers driven directly, for the states that the window never lets the user reach.
#include <gtest/gtest.h>

#include "common/Error.h"
#include "form/TForm1.h"
#include "tabs/mass/SizeCascade.h"

namespace tesmarik {
namespace {

std::string ErrorOf(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(ComboBox3Click, AWallThatDoesNotConvertKeepsTheMassOfOneMetre) {
    TForm1 f;
    AssortmentState s;
    PipeState pipe{60.3, 10, 12.4};
    f.ComboBox1.SetItemIndex(1);
    ComboBox1Click(f, s);
    f.ComboBox6.SetItemIndex(2);
    ComboBox6Click(f, s);
    f.ComboBox2.SetItemIndex(0);
    ComboBox2Click(f, s);
    f.ComboBox3.Text = "десять";
    EXPECT_EQ(ErrorOf([&] { ComboBox3Click(f, s, pipe); }),
              "'десять' is not a valid floating point value");
    EXPECT_EQ(pipe.MassPerMetre, 12.4);
    EXPECT_EQ(pipe.Wall, 10);
}

TEST(ComboBox6Click, NoDocumentChosenLeavesTheTableAndTheDiameterListEmpty) {
    TForm1 f;
    AssortmentState s;
    f.ComboBox1.SetItemIndex(1);
    ComboBox1Click(f, s);
    ComboBox6Click(f, s);
    EXPECT_TRUE(f.ComboBox2.Items.empty());
    EXPECT_TRUE(s.tuTableCode.empty());
    EXPECT_EQ(s.tuMassTable.At(2, 1), 0);
}

TEST(ComboBox6Click, TheChosenDocumentSelectsItsTable) {
    const struct {
        int item;
        const char* code;
        const char* firstDiameter;
    } cases[] = {{0, "T55", "245"},
                 {3, "T50", "245"},
                 {4, "T50", "245"},
                 {5, "T190h", "4"},
                 {8, "T796", "10"}};
    for (const auto& c : cases) {
        TForm1 f;
        AssortmentState s;
        f.ComboBox1.SetItemIndex(1);
        ComboBox1Click(f, s);
        f.ComboBox6.SetItemIndex(c.item);
        ComboBox6Click(f, s);
        EXPECT_EQ(s.tuTableCode, c.code) << c.item;
        ASSERT_FALSE(f.ComboBox2.Items.empty());
        EXPECT_EQ(f.ComboBox2.Items.front(), c.firstDiameter) << c.item;
    }
}

}  // namespace
}  // namespace tesmarik
