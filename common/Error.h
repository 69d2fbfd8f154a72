#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace tesmarik {

// The one error type of the program: a handler throws it with the exact text the
// user must see, and only the event dispatcher catches it.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text)
        : std::runtime_error(text), text_(std::make_shared<const std::string>(text)) {}

    // The whole text: a text read from a file may hold a NUL character, where what() ends.
    const std::string& Text() const { return *text_; }

private:
    std::shared_ptr<const std::string> text_;  // shared, so that copies cannot throw
};

Error NotAFloatError(const std::string& text);
Error DivisionByZeroError();
Error InvalidOperationError();
Error OverflowError();

// The error box shows the text with a full stop unless it already ends with one.
std::string WithFullStop(const std::string& text);

}  // namespace tesmarik
