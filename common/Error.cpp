#include "common/Error.h"

namespace tesmarik {

Error NotAFloatError(const std::string& text) {
    return Error("'" + text + "' is not a valid floating point value");
}

Error DivisionByZeroError() {
    return Error("Floating point division by zero");
}

Error InvalidOperationError() {
    return Error("Invalid floating point operation");
}

Error OverflowError() {
    return Error("Floating point overflow");
}

std::string WithFullStop(const std::string& text) {
    if (!text.empty() && text.back() == '.') {
        return text;
    }
    return text + ".";
}

}  // namespace tesmarik
