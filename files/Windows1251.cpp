#include "files/Windows1251.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <utility>

#include "common/Text.h"

namespace tesmarik {

namespace {

// The characters of bytes 0x80 to 0xFF; the bytes below are ASCII. The published mapping
// leaves 0x98 undefined: it stands for U+0098 both ways, as ICU (Qt's converter on Linux)
// reads it, so that such a byte in a file survives being read and saved.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // 0xF8
};

constexpr char32_t CharacterOf(unsigned char byte) {
    return byte < 0x80 ? byte : kUpperHalf[byte - 0x80];
}

// The UTF-8 text of each byte (at most three bytes), worked out once, so that a file is
// decoded at one table look-up a byte.
struct Utf8Character {
    std::array<char, 4> bytes{};
    std::size_t size = 0;
};

const std::array<Utf8Character, 256>& Utf8Characters() {
    static const std::array<Utf8Character, 256> characters = [] {
        std::array<Utf8Character, 256> table;
        for (std::size_t b = 0; b < table.size(); ++b) {
            std::string utf8;
            AppendCodePoint(utf8, CharacterOf(static_cast<unsigned char>(b)));
            table[b].size = utf8.size();
            std::copy(utf8.begin(), utf8.end(), table[b].bytes.begin());
        }
        return table;
    }();
    return characters;
}

// No character of the code page lies above this one.
constexpr char32_t kHighestCharacter = 0x2122;

// The byte of each character up to kHighestCharacter; 0 where the code page has none (the
// character U+0000 is ASCII, never looked up here).
const std::array<unsigned char, kHighestCharacter + 1>& Bytes() {
    static const std::array<unsigned char, kHighestCharacter + 1> bytes = [] {
        std::array<unsigned char, kHighestCharacter + 1> table{};
        for (std::size_t b = 0x80; b < 0x100; ++b) {
            table[CharacterOf(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
        }
        return table;
    }();
    return bytes;
}

// Invisible characters (ICU's list of default ignorables) that are dropped rather than
// replaced when the code page lacks them.
constexpr std::array<std::pair<char32_t, char32_t>, 16> kIgnorable = {{
    {0x034F, 0x034F},
    {0x061C, 0x061C},
    {0x115F, 0x1160},
    {0x17B4, 0x17B5},
    {0x180B, 0x180F},
    {0x200B, 0x200F},
    {0x202A, 0x202E},
    {0x2060, 0x206F},
    {0x3164, 0x3164},
    {0xFE00, 0xFE0F},
    {0xFEFF, 0xFEFF},
    {0xFFA0, 0xFFA0},
    {0xFFF0, 0xFFF8},
    {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A},
    {0xE0000, 0xE0FFF},
}};

bool IsIgnorable(char32_t c) {
    return std::any_of(kIgnorable.begin(), kIgnorable.end(),
                       [c](const auto& range) { return range.first <= c && c <= range.second; });
}

// The length of the well-formed UTF-8 sequence that starts the text (not empty), and the
// character it holds; length 0 when none does.
std::pair<std::size_t, char32_t> NextCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    // Leads 0xC0 and 0xC1 could only start overlong sequences; those above 0xF4, only
    // characters beyond Unicode.
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || length > text.size() ||
        !std::all_of(text.begin() + 1, text.begin() + static_cast<std::ptrdiff_t>(length),
                     [](char c) { return IsContinuationByte(static_cast<unsigned char>(c)); })) {
        return {0, 0};
    }
    const char32_t c = CodePoints(std::string(text.substr(0, length))).front();
    constexpr std::array<char32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    if (c < kLeast[length] || surrogate || c > 0x10FFFF) {
        return {0, 0};
    }
    return {length, c};
}

}  // namespace

std::string Windows1251ToUtf8(std::string_view bytes) {
    const auto& characters = Utf8Characters();
    // Room for four bytes a character: each is copied whole, and only its own count kept.
    std::string text(bytes.size() * 4, '\0');
    char* out = text.data();
    for (const char c : bytes) {
        const Utf8Character& character = characters[static_cast<unsigned char>(c)];
        std::memcpy(out, character.bytes.data(), character.bytes.size());
        out += character.size;
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

std::string Utf8ToWindows1251(std::string_view utf8) {
    // A character the code page lacks is written as SUB (0x1A); an invisible one, not at all.
    constexpr char kSubstitute = '\x1A';
    const auto& bytes = Bytes();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto [length, c] = NextCharacter(utf8.substr(i));
        if (length == 0) {  // read as U+FFFD, which the code page lacks
            out += kSubstitute;
            ++i;
            continue;
        }
        i += length;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c <= kHighestCharacter && bytes[c] != 0) {
            out += static_cast<char>(bytes[c]);
        } else if (!IsIgnorable(c)) {
            out += kSubstitute;
        }
    }
    return out;
}

}  // namespace tesmarik
