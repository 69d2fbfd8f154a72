#pragma once

#include <cstddef>
#include <string>

namespace tesmarik {

// A price file at the limits of its format, as Windows-1251 bytes: 300 lines of exactly
// 300 characters, every line a price row with a diameter and a wall range, its own steel
// and its own standard, the supply marker, and a hundred empty fields behind.
std::string PriceFileAtLimits();
inline constexpr std::size_t kPriceRowsAtLimits = 300;

}  // namespace tesmarik
