#include <gtest/gtest.h>

#include "common/DateTime.h"
#include "common/Text.h"
#include "controls/Controls.h"

namespace tesmarik {
namespace {

TEST(CharSlice, CutsByCharactersNotBytes) {
    EXPECT_EQ(CharSlice("Масса: 3,458 т.", 0, 5), "Масса");
    EXPECT_EQ(CharSlice("Масса: 3,458 т.", 7, 5), "3,458");
    EXPECT_EQ(CharSlice("Масса", 3, 100), "са");
    EXPECT_EQ(CharSlice("Масса", 5, 1), "");
    EXPECT_EQ(CharSlice("Масса", 9, 1), "");
    EXPECT_EQ(CharSlice("Масса", 1, 0), "");
    EXPECT_EQ(CharSlice("a\xF0\x9F\x98\x80"
                        "b",
                        1, 1),
              "\xF0\x9F\x98\x80");
}

TEST(MemoSelection, IsCountedInTheShownTextWithOneCharacterPerLineBreak) {
    ControlRegistry registry;
    Memo memo(registry, "Memo4");
    memo.Lines = {"Общая длина:  1000 м.", "\r(используется коэфициент)", ""};
    // The carriage return inside a line is not shown, and not copied.
    EXPECT_EQ(memo.ShownText(), "Общая длина:  1000 м.\n(используется коэфициент)\n");
    EXPECT_EQ(memo.SelectedText(), "");
    memo.SelStart = 14;
    memo.SelLength = 4;
    EXPECT_EQ(memo.SelectedText(), "1000");
    // Across a line break, which is one character.
    memo.SelStart = 19;
    memo.SelLength = 5;
    EXPECT_EQ(memo.SelectedText(), "м.\n(и");
    // A selection reaching past the text keeps what lies within it.
    memo.SelStart = 43;
    memo.SelLength = 100;
    EXPECT_EQ(memo.SelectedText(), "ент)\n");
    memo.SelectAll();
    EXPECT_EQ(memo.SelStart, 0U);
    EXPECT_EQ(memo.SelectedText(), memo.ShownText());
}

TEST(ShortDateTime, IsTheRussianDateAndTheTimeToTheMinute) {
    EXPECT_EQ(ShortDateTime({2026, 3, 5, 14, 7, 59}), "05.03.2026 14:07");
    EXPECT_EQ(ShortDateTime({2026, 12, 31, 0, 0, 0}), "31.12.2026 00:00");
}

}  // namespace
}  // namespace tesmarik
