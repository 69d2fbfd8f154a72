#include "files/Windows1251.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <string>

namespace tesmarik {
namespace {

// Files written before the table were converted by Qt through ICU, which is what Qt on
// Linux still has: the table must read and write every byte as it did. Qt without ICU
// (ours on Windows) has no such code page, and those comparisons are skipped there.
bool QtHasTheCodePage() {
    return QStringDecoder("windows-1251").isValid();
}

std::string QtDecoded(const std::string& bytes) {
    QStringDecoder decoder("windows-1251");
    return QString(decoder.decode(QByteArray::fromStdString(bytes))).toStdString();
}

std::string QtEncoded(const std::string& utf8) {
    QStringEncoder encoder("windows-1251");
    return QByteArray(encoder.encode(QString::fromStdString(utf8))).toStdString();
}

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    return bytes;
}

TEST(Windows1251, EveryByteDecodesAsQtReadsIt) {
    if (!QtHasTheCodePage()) {
        GTEST_SKIP() << "Qt has no Windows-1251 here";
    }
    for (const char byte : AllBytes()) {
        const std::string one(1, byte);
        EXPECT_EQ(Windows1251ToUtf8(one), QtDecoded(one))
            << "byte " << static_cast<int>(static_cast<unsigned char>(byte));
    }
    EXPECT_EQ(Windows1251ToUtf8(AllBytes()), QtDecoded(AllBytes()));
}

TEST(Windows1251, EveryCharacterOfTheCodePageRoundTrips) {
    for (const char byte : AllBytes()) {
        const std::string one(1, byte);
        EXPECT_EQ(Utf8ToWindows1251(Windows1251ToUtf8(one)), one)
            << "byte " << static_cast<int>(static_cast<unsigned char>(byte));
    }
    EXPECT_EQ(Utf8ToWindows1251(Windows1251ToUtf8(AllBytes())), AllBytes());
}

TEST(Windows1251, WritesCharactersAndMalformedTextAsQtDoes) {
    const struct {
        const char* name;
        std::string utf8;
        std::string bytes;
    } cases[] = {
        {"Cyrillic, Ё and №", "Ёж №", "\xA8\xE6 \xB9"},
        {"the euro sign is in the code page", "€", "\x88"},
        {"U+0098 is the undefined byte", "\xC2\x98", "\x98"},
        {"a check mark", "a✓z", "a\x1Az"},
        {"a Chinese character", "中", "\x1A"},
        {"an emoji is one character", "a😀z", "a\x1Az"},
        {"a Latin letter the code page lacks", "é", "\x1A"},
        {"a noncharacter", "\xEF\xBF\xBE", "\x1A"},
        {"NUL", std::string("a\0b", 3), std::string("a\0b", 3)},
        {"a zero width space is left out", "a\u200Bb", "ab"},
        {"a byte order mark is left out", "\xEF\xBB\xBFy\xEF\xBB\xBFz", "yz"},
        {"an astral variation selector is left out", "a\U000E0100b", "ab"},
        {"a lone continuation byte", "a\x80z", "a\x1Az"},
        {"a lead byte before a letter", "a\xD0z", "a\x1Az"},
        {"a sequence cut short", "a\xE2\x9Cz", "a\x1A\x1Az"},
        {"a sequence cut short by the end", "a\xF0\x9F\x98", "a\x1A\x1A\x1A"},
        {"a lead byte before a character", "\xE2\xD0\xB6", "\x1A\xE6"},
        {"an overlong NUL", "\xC0\x80", "\x1A\x1A"},
        {"an overlong three-byte sequence", "\xE0\x80\xA0", "\x1A\x1A\x1A"},
        {"an encoded surrogate", "\xED\xA0\x80", "\x1A\x1A\x1A"},
        {"beyond Unicode", "\xF4\x90\x80\x80", "\x1A\x1A\x1A\x1A"},
        {"bytes never in UTF-8", "\xF5\xFF", "\x1A\x1A"},
    };
    const bool compareWithQt = QtHasTheCodePage();
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToWindows1251(c.utf8), c.bytes) << c.name;
        if (compareWithQt) {
            EXPECT_EQ(QtEncoded(c.utf8), c.bytes) << c.name;
        }
    }
}

// All of Unicode at once, and every text of two bytes, valid UTF-8 or not.
TEST(Windows1251, EncodesEverythingAsQtDoes) {
    if (!QtHasTheCodePage()) {
        GTEST_SKIP() << "Qt has no Windows-1251 here";
    }
    QString everything;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c < 0xD800 || c > 0xDFFF) {
            everything += QString::fromUcs4(&c, 1);
        }
    }
    EXPECT_EQ(Utf8ToWindows1251(everything.toStdString()), QtEncoded(everything.toStdString()));
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string two{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(Utf8ToWindows1251(two), QtEncoded(two)) << first << " " << second;
        }
    }
}

}  // namespace
}  // namespace tesmarik
