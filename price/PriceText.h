#pragma once

#include <string>
#include <vector>

namespace tesmarik {

// "n" new, "l" stale stock, "v" reconditioned, "kt" boiler or thick-walled; compared
// byte for byte.
bool IsPriceTypeCode(const std::string& text);

// The non-empty parts of a text split at each blank (code 32 only).
std::vector<std::string> SplitAtBlanks(const std::string& text);

}  // namespace tesmarik
