#include "offer/SumInWords.h"

#include <array>
#include <cmath>

#include "common/Error.h"

namespace tesmarik {

namespace {

enum class Gender { Masculine, Feminine };

// The three forms a counted noun takes: 1 (21, 101...), 2-4 (22...), 5-20 and the rest.
struct NounForms {
    const char* one;
    const char* few;
    const char* many;
    Gender gender;
};

constexpr NounForms kRoubles{"рубль", "рубля", "рублей", Gender::Masculine};
constexpr NounForms kKopecks{"копейка", "копейки", "копеек", Gender::Feminine};
// Thousands, millions and milliards, from the lowest group of three digits up.
constexpr std::array<NounForms, 3> kGroups{{
    {"тысяча", "тысячи", "тысяч", Gender::Feminine},
    {"миллион", "миллиона", "миллионов", Gender::Masculine},
    {"миллиард", "миллиарда", "миллиардов", Gender::Masculine},
}};

constexpr std::array<const char*, 10> kHundreds{"",          "сто",      "двести",   "триста",
                                                "четыреста", "пятьсот",  "шестьсот", "семьсот",
                                                "восемьсот", "девятьсот"};
constexpr std::array<const char*, 10> kTens{
    "",          "",           "двадцать",  "тридцать",    "сорок",
    "пятьдесят", "шестьдесят", "семьдесят", "восемьдесят", "девяносто"};
constexpr std::array<const char*, 20> kUnits{
    "",           "один",        "два",        "три",          "четыре",
    "пять",       "шесть",       "семь",       "восемь",       "девять",
    "десять",     "одиннадцать", "двенадцать", "тринадцать",   "четырнадцать",
    "пятнадцать", "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать"};

const char* FormFor(std::int64_t n, const NounForms& forms) {
    const std::int64_t lastTwo = n % 100;
    const std::int64_t last = n % 10;
    if (lastTwo >= 11 && lastTwo <= 19) {
        return forms.many;
    }
    if (last == 1) {
        return forms.one;
    }
    if (last >= 2 && last <= 4) {
        return forms.few;
    }
    return forms.many;
}

void AppendWord(std::string& out, const std::string& word) {
    if (word.empty()) {
        return;
    }
    if (!out.empty()) {
        out += ' ';
    }
    out += word;
}

// A number from 1 to 999 in words; one and two agree with the noun they count.
void AppendTriple(std::string& out, int n, Gender gender) {
    AppendWord(out, kHundreds.at(static_cast<std::size_t>(n / 100)));
    const int rest = n % 100;
    if (rest < 20) {
        if (gender == Gender::Feminine && (rest == 1 || rest == 2)) {
            AppendWord(out, rest == 1 ? "одна" : "две");
        } else {
            AppendWord(out, kUnits.at(static_cast<std::size_t>(rest)));
        }
        return;
    }
    AppendWord(out, kTens.at(static_cast<std::size_t>(rest / 10)));
    const int unit = rest % 10;
    if (gender == Gender::Feminine && (unit == 1 || unit == 2)) {
        AppendWord(out, unit == 1 ? "одна" : "две");
    } else {
        AppendWord(out, kUnits.at(static_cast<std::size_t>(unit)));
    }
}

std::string CapitalFirst(const std::string& text) {
    // The words are Cyrillic: the first letter is two bytes of UTF-8, а-п in D0 B0-BF and
    // р-я in D1 80-8F; their capitals are D0 90-AF.
    std::string out = text;
    if (out.size() >= 2) {
        auto lead = static_cast<unsigned char>(out[0]);
        auto next = static_cast<unsigned char>(out[1]);
        if (lead == 0xD0 && next >= 0xB0) {
            out[1] = static_cast<char>(next - 0x20);
        } else if (lead == 0xD1 && next <= 0x8F) {
            out[0] = static_cast<char>(0xD0);
            out[1] = static_cast<char>(next + 0x20);
        }
    }
    return out;
}

}  // namespace

std::string SumInWords(std::int64_t kopecks) {
    if (kopecks < 0 || kopecks > kMaxKopecksInWords) {
        throw OverflowError();
    }
    const std::int64_t roubles = kopecks / 100;
    std::string words;
    if (roubles == 0) {
        words = "ноль";
    } else {
        std::int64_t rest = roubles;
        std::array<int, 4> triples{};
        for (int& triple : triples) {
            triple = static_cast<int>(rest % 1000);
            rest /= 1000;
        }
        for (int g = 3; g >= 1; --g) {
            const int triple = triples.at(static_cast<std::size_t>(g));
            if (triple != 0) {
                const NounForms& noun = kGroups.at(static_cast<std::size_t>(g - 1));
                AppendTriple(words, triple, noun.gender);
                AppendWord(words, FormFor(triple, noun));
            }
        }
        if (triples[0] != 0) {
            AppendTriple(words, triples[0], kRoubles.gender);
        }
    }
    const int cents = static_cast<int>(kopecks % 100);
    std::string out = CapitalFirst(words) + " " + FormFor(roubles, kRoubles) + " ";
    out += static_cast<char>('0' + cents / 10);
    out += static_cast<char>('0' + cents % 10);
    out += ' ';
    out += FormFor(cents, kKopecks);
    return out;
}

std::int64_t ToKopecks(double roubles) {
    const double kopecks = std::floor(std::fabs(roubles) * 100 + 0.5);
    if (!std::isfinite(kopecks) || kopecks >= 9e18) {
        throw OverflowError();
    }
    const auto whole = static_cast<std::int64_t>(kopecks);
    return roubles < 0 ? -whole : whole;
}

}  // namespace tesmarik
