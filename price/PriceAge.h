#pragma once

#include <string>

#include "common/DateTime.h"

namespace tesmarik {

// Whole days from `written` to `now`, truncated toward zero (negative when the file is
// dated in the future).
long long AgeInDays(const DateTime& written, const DateTime& now);

// " день", " дня", " дней", or nothing for a negative age; the age as a whole decides,
// not its last digit.
std::string AgeUnitWord(long long days);

// What the price tab says of a price file written at `written`, seen at `now`.
struct PriceAgeTexts {
    std::string date;    // "Прайс от  12.03.2024"
    std::string age;     // "Прайс загружен 2 дня назад"
    bool stale = false;  // a day old or more: a fresh one is offered
};
PriceAgeTexts PriceAgeOf(const DateTime& written, const DateTime& now);

}  // namespace tesmarik
