#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Text.h"

namespace tesmarik {
namespace {

using Points = std::vector<char32_t>;

// "ж" takes two bytes, "€" three and the G clef "𝄞" four.
const std::string kMixed = "aж€𝄞b";

TEST(CodePoints, DecodesOneToFourByteCharacters) {
    EXPECT_EQ(CodePoints(""), Points{});
    EXPECT_EQ(CodePoints(kMixed), (Points{U'a', U'ж', U'€', U'𝄞', U'b'}));
    EXPECT_EQ(CodePoints("\xF0\x9F\x98\x80"), Points{0x1F600});
    EXPECT_EQ(CodePoints("\r\n\t"), (Points{U'\r', U'\n', U'\t'}));
}

TEST(CodePoints, RoundTripsWithAppendCodePoint) {
    for (const char32_t cp : {0x7FU, 0x80U, 0x7FFU, 0x800U, 0xFFFFU, 0x10000U, 0x10FFFFU}) {
        SCOPED_TRACE(static_cast<unsigned>(cp));
        std::string utf8;
        AppendCodePoint(utf8, cp);
        EXPECT_EQ(CodePoints(utf8), Points{cp});
    }
}

TEST(CodePoints, MalformedInputGivesWhatItsBytesHold) {
    // A sequence cut short by the end: the bits of the bytes that are there.
    EXPECT_EQ(CodePoints("a\xD0"), (Points{U'a', 0x10}));
    EXPECT_EQ(CodePoints("\xE2\x82"), Points{0x82});
    EXPECT_EQ(CodePoints("\xF0\x9D\x84"), Points{0x744});
    // A stray continuation byte starts a two-byte sequence and swallows the next byte.
    EXPECT_EQ(CodePoints("\x80\x41\x62"), (Points{0x01, U'b'}));
    // A lead byte takes its continuation bytes whatever they are.
    EXPECT_EQ(CodePoints("\xD0\x41\x42"), (Points{0x401, U'B'}));
}

TEST(CharCount, CountsCharactersNotBytes) {
    EXPECT_EQ(CharCount(""), 0U);
    EXPECT_EQ(CharCount(kMixed), 5U);
    EXPECT_EQ(kMixed.size(), 11U);
}

TEST(FirstChars, KeepsWholeCharacters) {
    EXPECT_EQ(FirstChars(kMixed, 0), "");
    EXPECT_EQ(FirstChars(kMixed, 2), "aж");
    EXPECT_EQ(FirstChars(kMixed, 4), "aж€𝄞");
    EXPECT_EQ(FirstChars(kMixed, 5), kMixed);
    EXPECT_EQ(FirstChars(kMixed, 50), kMixed);
}

TEST(RemoveLastChar, RemovesAllBytesOfTheLastCharacter) {
    std::string text = kMixed;
    RemoveLastChar(text);
    EXPECT_EQ(text, "aж€𝄞");
    RemoveLastChar(text);
    EXPECT_EQ(text, "aж€");
    RemoveLastChar(text);
    RemoveLastChar(text);
    EXPECT_EQ(text, "a");
    RemoveLastChar(text);
    RemoveLastChar(text);
    EXPECT_EQ(text, "");
}

TEST(CutBetweenChars, NeverCutsInsideACharacter) {
    // Bytes: a | ж ж | € € € | 𝄞 𝄞 𝄞 𝄞 | b
    EXPECT_EQ(CutBetweenChars(kMixed, 0), 0U);
    EXPECT_EQ(CutBetweenChars(kMixed, 1), 1U);
    EXPECT_EQ(CutBetweenChars(kMixed, 2), 1U);
    EXPECT_EQ(CutBetweenChars(kMixed, 3), 3U);
    EXPECT_EQ(CutBetweenChars(kMixed, 5), 3U);
    EXPECT_EQ(CutBetweenChars(kMixed, 6), 6U);
    EXPECT_EQ(CutBetweenChars(kMixed, 9), 6U);
    EXPECT_EQ(CutBetweenChars(kMixed, 10), 10U);
    EXPECT_EQ(CutBetweenChars(kMixed, 11), 11U);
    EXPECT_EQ(CutBetweenChars(kMixed, 100), 11U);
}

}  // namespace
}  // namespace tesmarik
