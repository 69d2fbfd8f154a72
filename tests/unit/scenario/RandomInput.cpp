#include "tests/unit/scenario/RandomInput.h"

#include <cctype>
#include <cstdio>

#include "files/QtFiles.h"

namespace tesmarik {

bool ShowsInfOrNan(const std::string& text) {
    const auto wordChar = [](unsigned char c) { return std::isalnum(c) != 0 || c == '_'; };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        const char b = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 2])));
        const bool word = (a == 'i' && b == 'n' && c == 'f') || (a == 'n' && b == 'a' && c == 'n');
        if (!word) {
            continue;
        }
        const bool startsWord = i == 0 || !wordChar(static_cast<unsigned char>(text[i - 1]));
        const bool endsWord =
            i + 3 == text.size() || !wordChar(static_cast<unsigned char>(text[i + 3]));
        if (startsWord && endsWord) {
            return true;
        }
    }
    return false;
}

std::string Dice::Number() {
    static const std::vector<std::string> fixed = {"0",
                                                   "-0",
                                                   "1",
                                                   "11,3",
                                                   "60",
                                                   "530",
                                                   "8",
                                                   "3,5",
                                                   "1000",
                                                   "0,0001",
                                                   "1E-5",
                                                   "1,5E20",
                                                   "1E308",
                                                   "-1E308",
                                                   "1E-320",
                                                   "4,9E-324",
                                                   "1E400",
                                                   "-1E400",
                                                   "99999999999999999999",
                                                   ",5",
                                                   "5,",
                                                   "-5",
                                                   "-11,3",
                                                   "1e15",
                                                   "999999999999999",
                                                   "1E-4",
                                                   "  12  ",
                                                   "+7",
                                                   "0,000",
                                                   "1,7976931348623157E308",
                                                   "2,2250738585072014E-308"};
    switch (Between(0, 3)) {
        case 0:
            return OneOf(fixed);
        case 1:
            return std::to_string(Between(-100, 3000));
        case 2:
            return std::to_string(Between(0, 2000)) + "," + std::to_string(Between(0, 999));
        default: {
            std::string mantissa =
                std::to_string(Between(1, 9)) + "," + std::to_string(Between(0, 99));
            return (Chance(30) ? "-" : "") + mantissa + (Chance(50) ? "E" : "e") +
                   (Chance(50) ? "-" : "") + std::to_string(Between(0, 330));
        }
    }
}

std::string Dice::Junk(int maxLength) {
    // Letters that cannot spell the two forbidden words, Cyrillic, separators, blanks.
    static const std::vector<std::string> pieces = {
        "0", "1", "5", "9", ",", ".", "E",  "e", "+",  "-",  " ",   "  ",  "x", "q", "z", "k",
        "t", "Ж", "я", "ё", "%", "'", "\"", ";", "\\", "\t", "\\r", "\\n", "/", "№", "€", "😀"};
    std::string text;
    const int length = Between(0, maxLength);
    for (int i = 0; i < length; ++i) {
        text += OneOf(pieces);
    }
    return text;
}

std::string Dice::TypedText() {
    switch (Between(0, 9)) {
        case 0:
        case 1:
            return Junk(12);
        case 2:
            return Number() + Junk(2);
        case 3:
            return Junk(300);
        case 4: {
            std::string digits(static_cast<std::size_t>(Between(20, 400)), '9');
            return Chance(50) ? digits : digits + "," + digits;
        }
        default:
            return Number();
    }
}

std::string Dice::DateTimeText() {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", Between(2024, 2027),
                  Between(1, 12), Between(1, 28), Between(0, 23), Between(0, 59), Between(0, 59));
    return text;
}

std::string Dice::PriceField(int index) {
    static const std::vector<std::string> types = {"n", "l", "v", "kt", "N", " n", "x", ""};
    static const std::vector<std::string> ranges = {
        "500-600", "8-12", "530",       "1-2-3",  "-", "5-", "-5",    "a-b",     "1E999-2",
        "1,5-2,5", "все",  "др. диам.", "8 9 10", "0", "",   "530,0", "12-1E400"};
    static const std::vector<std::string> steels = {
        "20", "09Г2С", "17Г1С 09Г2С", "различные", "ндан", " 20  10 ", "", "Ст3сп"};
    static const std::vector<std::string> standards = {"ГОСТ 20295-85", "ц.т.", "эл. св.",
                                                       "ндан",          "",     "ТУ 14-3-1128"};
    switch (index) {
        case 0:
            return OneOf(types);
        case 1:
        case 2:
            return Chance(70) ? OneOf(ranges) : Number();
        case 3:
            return Chance(80) ? OneOf(steels) : Junk(20);
        case 4:
            return Chance(80) ? OneOf(standards) : Junk(20);
        case 9:
            return Chance(50) ? "AEA5A3" : Junk(6);
        default:
            return Chance(50) ? Number() : Junk(30);
    }
}

std::string Dice::PriceFileBytes() {
    std::string utf8;
    const int kind = Between(0, 9);
    if (kind == 0) {
        // Raw bytes, line ends and all, read as Windows-1251.
        std::string bytes;
        const int length = Between(0, 2000);
        for (int i = 0; i < length; ++i) {
            bytes += static_cast<char>(Between(0, 255));
        }
        return ShowsInfOrNan(bytes) ? std::string() : bytes;
    }
    const int lines = kind == 1 ? Between(290, 420) : Between(0, 40);
    const int fields = Between(1, kind == 2 ? 320 : 14);
    const std::vector<std::string> ends = {"\r\n", "\r\n", "\n", "\r", ""};
    const std::string& end = OneOf(ends);
    for (int line = 0; line < lines; ++line) {
        const int count = Chance(80) ? fields : Between(1, fields + 3);
        for (int field = 0; field < count; ++field) {
            if (field > 0) {
                utf8 += ';';
            }
            utf8 += PriceField(field);
        }
        if (kind == 3 && Chance(30)) {
            utf8 += std::string(static_cast<std::size_t>(Between(250, 400)), 'x');
        }
        utf8 += end.empty() ? "\r\n" : end;
    }
    if (ShowsInfOrNan(utf8)) {
        return {};
    }
    return QtFiles::ToWindows1251(utf8);
}

}  // namespace tesmarik
