#pragma once

#include <cstdint>
#include <string>

namespace tesmarik {

// The largest sum an offer can name in words: 999 999 999 999,99 руб.
inline constexpr std::int64_t kMaxKopecksInWords = 99'999'999'999'999;

// A sum of money in words as a Russian document states it, roubles in words and kopecks
// in two digits: 8164785,00 gives "Восемь миллионов сто шестьдесят четыре тысячи семьсот
// восемьдесят пять рублей 00 копеек". Throws the overflow error beyond kMaxKopecksInWords
// and for a negative sum.
std::string SumInWords(std::int64_t kopecks);

// The sum as whole kopecks, rounded half up; throws the overflow error for a sum that has
// no place in an int64 of kopecks.
std::int64_t ToKopecks(double roubles);

}  // namespace tesmarik
