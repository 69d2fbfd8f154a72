#pragma once

#include <stdexcept>
#include <string>

namespace tesmarik {

// The one error type of the program: a handler throws it with the exact text the
// user must see, and only the event dispatcher catches it.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text) {}
};

Error NotAFloatError(const std::string& text);
Error DivisionByZeroError();
Error InvalidOperationError();
Error OverflowError();

// The error box shows the text with a full stop unless it already ends with one.
std::string WithFullStop(const std::string& text);

}  // namespace tesmarik
