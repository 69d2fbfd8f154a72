#pragma once

#include <string>

namespace tesmarik {

// Reads a number the strict way the window expects it: optional leading blanks, an
// optional sign, digits with at most one decimal comma, an optional exponent, then only
// blanks. Anything else, and any value beyond the range of a double, throws the
// "not a valid floating point value" error quoting the text as it stands.
double ReadNumber(const std::string& text);

// The same reading, telling instead of throwing why a text is not a number.
struct NumberRead {
    enum class Status { NotANumber, OutOfRange, Number };
    double value = 0.0;
    Status status = Status::NotANumber;
};
NumberRead TryReadNumber(const std::string& text);

// Shows a number in the general format: at most 15 significant digits, decimal comma,
// no grouping, positional from 0,0001 up to 10^15 and mantissa-E-exponent outside that.
std::string ShowNumber(double value);

// Whole numbers (counts) in plain decimal.
std::string ShowInteger(long long value);

}  // namespace tesmarik
