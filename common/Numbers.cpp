#include "common/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "common/CheckedMath.h"
#include "common/Error.h"

namespace tesmarik {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

NumberRead TryReadNumber(const std::string& text) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The mantissa is rebuilt in the C form ('.' as separator) for the locale-free reader.
    std::string mantissa;
    std::size_t digits = 0;
    while (i < n && IsDigit(text[i])) {
        mantissa += text[i++];
        ++digits;
    }
    if (i < n && text[i] == ',') {
        mantissa += '.';
        ++i;
        while (i < n && IsDigit(text[i])) {
            mantissa += text[i++];
            ++digits;
        }
    }
    if (digits == 0) {
        return {};
    }
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        std::size_t expDigits = 0;
        while (i < n && IsDigit(text[i])) {
            if (exponent < 100000) {  // far beyond any double; stops the count growing
                exponent = exponent * 10 + (text[i] - '0');
            }
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) {
            return {};
        }
        if (expNegative) {
            exponent = -exponent;
        }
    }
    while (i < n && text[i] == ' ') {
        ++i;
    }
    if (i != n) {
        return {};
    }
    if (mantissa == ".") {
        return {};
    }
    // The power of ten of the first significant digit, told from the digits: a mantissa of
    // hundreds of digits does not fit a double by itself, though the whole number may.
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t significant = mantissa.find_first_not_of("0.");
    if (significant == std::string::npos) {
        return {negative ? -0.0 : 0.0, NumberRead::Status::Number};
    }
    const long long magnitude = significant < point
                                    ? static_cast<long long>(point - significant) - 1
                                    : -static_cast<long long>(significant - point);
    const std::string full = mantissa + "e" + std::to_string(exponent);
    double value = 0.0;
    const auto parsed = std::from_chars(full.data(), full.data() + full.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too small to hold reads as zero; too large does not fit a double.
        if (magnitude + exponent < 0) {
            return {negative ? -0.0 : 0.0, NumberRead::Status::Number};
        }
        return {0.0, NumberRead::Status::OutOfRange};
    }
    if (parsed.ec != std::errc()) {
        return {};
    }
    if (!std::isfinite(value)) {
        return {0.0, NumberRead::Status::OutOfRange};
    }
    return {negative ? -value : value, NumberRead::Status::Number};
}

double ReadNumber(const std::string& text) {
    const NumberRead read = TryReadNumber(text);
    if (read.status != NumberRead::Status::Number) {
        throw NotAFloatError(text);
    }
    return read.value;
}

std::string ShowNumber(double value) {
    Checked(value);
    if (value == 0.0) {
        return "0";
    }
    // 15 significant digits in scientific form: d.dddddddddddddde±x
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string sci(buffer, result.ptr);
    const std::size_t e = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    const int exponent = std::atoi(sci.c_str() + e + 1);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string out = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent >= 0) {
            const std::size_t intLength = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intLength) {
                out += digits + std::string(intLength - digits.size(), '0');
            } else {
                out += digits.substr(0, intLength) + "," + digits.substr(intLength);
            }
        } else {
            out += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        }
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
        // Appended in two steps: "," + a temporary trips a false -Wrestrict of g++ 12 at -O3.
        out += ',';
        out.append(digits, 1);
    }
    out += "E";
    if (exponent < 0) {
        out += "-";
    }
    out += std::to_string(std::abs(exponent));
    return out;
}

std::string ShowInteger(long long value) {
    return std::to_string(value);
}

}  // namespace tesmarik
