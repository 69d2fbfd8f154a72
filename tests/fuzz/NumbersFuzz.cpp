// The strict number reading and the general number format on arbitrary texts and on
// arbitrary doubles:
// - a text is read exactly when it has the form the window expects (blanks, sign, digits
//   with at most one decimal comma, exponent, blanks) and its value fits a double; the
//   value is then the correctly rounded one;
// - any other text fails with the one error text that quotes it;
// - a shown number has the general format (no grouping, at most 15 significant digits,
//   positional from 0,0001 up to 10^15), reads back within half a unit of its 15th digit,
//   and shows the same again;
// - an infinity or NaN is never shown: showing one raises the floating-point error.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/Error.h"
#include "common/Numbers.h"

namespace {

using tesmarik::Error;
using tesmarik::ReadNumber;
using tesmarik::ShowNumber;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The form of a number the window accepts, told independently of the reader: the text in
// C form ('.' separator, no blanks) for strtod, or nothing when the text is no number.
bool ExpectedForm(const std::string& text, std::string& cForm) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    cForm.clear();
    while (i < n && text[i] == ' ') {
        ++i;
    }
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        cForm += text[i++];
    }
    std::size_t digits = 0;
    for (; i < n && IsDigit(text[i]); ++i, ++digits) {
        cForm += text[i];
    }
    if (i < n && text[i] == ',') {
        cForm += '.';
        for (++i; i < n && IsDigit(text[i]); ++i, ++digits) {
            cForm += text[i];
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        cForm += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            cForm += text[i++];
        }
        std::size_t expDigits = 0;
        for (; i < n && IsDigit(text[i]); ++i, ++expDigits) {
            cForm += text[i];
        }
        if (expDigits == 0) {
            return false;
        }
    }
    while (i < n && text[i] == ' ') {
        ++i;
    }
    return i == n;
}

// The general number format: "0", or an optional minus, then either positional digits
// with an optional decimal part, or a mantissa d[,ddd] with E, an optional minus and an
// exponent without leading zeros; no trailing zeros after the comma; 1 to 15 significant
// digits.
bool ShownForm(const std::string& s, bool& scientific) {
    if (s == "0") {
        scientific = false;
        return true;
    }
    std::size_t i = s[0] == '-' ? 1 : 0;
    const std::size_t e = s.find('E');
    scientific = e != std::string::npos;
    const std::string number = s.substr(i, scientific ? e - i : std::string::npos);
    const std::size_t comma = number.find(',');
    const std::string whole = number.substr(0, comma);
    const std::string fraction = comma == std::string::npos ? "" : number.substr(comma + 1);
    if (whole.empty() || (comma != std::string::npos && fraction.empty()) ||
        (!fraction.empty() && fraction.back() == '0')) {
        return false;
    }
    for (const char c : whole + fraction) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    if (whole.size() > 1 && whole[0] == '0') {
        return false;
    }
    std::string significant = whole + fraction;
    significant.erase(0, significant.find_first_not_of('0'));
    while (!scientific && !significant.empty() && significant.back() == '0' &&
           comma == std::string::npos) {
        significant.pop_back();  // zeros of a whole number are places, not digits
    }
    if (significant.empty() || significant.size() > 15) {
        return false;
    }
    if (scientific) {
        if (whole.size() != 1 || whole[0] == '0') {
            return false;
        }
        std::size_t k = e + 1;
        if (k < s.size() && s[k] == '-') {
            ++k;
        }
        if (k == s.size() || s[k] == '0') {
            return false;
        }
        for (; k < s.size(); ++k) {
            if (!IsDigit(s[k])) {
                return false;
            }
        }
    }
    return true;
}

// Shows a finite value and checks what it shows.
void CheckShown(double value) {
    const std::string shown = ShowNumber(value);
    bool scientific = false;
    Require(ShownForm(shown, scientific));
    if (shown == "1,79769313486232E308" || shown == "-1,79769313486232E308") {
        // Fifteen digits round the largest doubles up beyond the range of a double: such a
        // text no longer reads back.
        Require(std::fabs(value) > 1.79769313486231e308);
        return;
    }
    const double back = ReadNumber(shown);
    if (value == 0) {
        Require(shown == "0");
        return;
    }
    Require((back < 0) == (value < 0));
    Require(ShowNumber(-value) == (value < 0 ? shown.substr(1) : "-" + shown));
    // Positional exactly for the values shown from 0,0001 up to 10^15.
    const double magnitude = std::fabs(back);
    Require(scientific == (magnitude < 1e-4 || magnitude >= 1e15));
    if (std::fabs(value) < DBL_MIN) {
        return;  // fewer than 15 digits of a subnormal are exact
    }
    Require(std::fabs(back - value) <= 5.2e-15 * std::fabs(value));
    Require(ShowNumber(back) == shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    std::string cForm;
    const bool wellFormed = ExpectedForm(text, cForm);
    errno = 0;
    const double expected = wellFormed ? std::strtod(cForm.c_str(), nullptr) : 0.0;
    const bool fits = wellFormed && std::isfinite(expected);
    try {
        const double value = ReadNumber(text);
        Require(fits);
        // Values below the smallest normal double may read as 0.
        Require(value == expected || (std::fabs(expected) < DBL_MIN && value == 0));
        Require(std::signbit(value) == (cForm[0] == '-'));
        CheckShown(value);
    } catch (const Error& e) {
        Require(!fits);
        // Compared as the error box gets it, a C string: a NUL in the text ends it there.
        const std::string said = "'" + text + "' is not a valid floating point value";
        Require(std::strcmp(e.what(), said.c_str()) == 0);
    }

    // The same bytes as a double, whatever it holds.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            CheckShown(value);
        } else {
            try {
                ShowNumber(value);
                Require(false);
            } catch (const Error& e) {
                Require(std::string(e.what()) == (std::isnan(value)
                                                      ? "Invalid floating point operation"
                                                      : "Floating point overflow"));
            }
        }
    }
    return 0;
}
