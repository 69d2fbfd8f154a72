#include "price/PriceAge.h"

#include <cmath>

namespace tesmarik {

long long AgeInDays(const DateTime& written, const DateTime& now) {
    // Whole seconds first, so that exactly 24 hours is one day and not 0,99999...
    const long long seconds = std::llround((DaySerial(now) - DaySerial(written)) * 86400.0);
    return seconds / 86400;
}

std::string AgeUnitWord(long long days) {
    if (days < 0) {
        return "";
    }
    if (days == 1) {
        return " день";
    }
    if (days >= 2 && days <= 4) {
        return " дня";
    }
    return " дней";
}

PriceAgeTexts PriceAgeOf(const DateTime& written, const DateTime& now) {
    const long long days = AgeInDays(written, now);
    return {"Прайс от  " + ShortDate(written),
            "Прайс загружен " + std::to_string(days) + AgeUnitWord(days) + " назад", days > 0};
}

}  // namespace tesmarik
