#pragma once

#include <string_view>

namespace tesmarik {

// Whether the bytes of a downloaded answer can be a price list at all: not empty, not a
// web page (the first thing in them that is not blank is not "<"), and their first line
// holds the field separator ";".
bool LooksLikePriceList(std::string_view body);

}  // namespace tesmarik
