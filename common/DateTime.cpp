#include "common/DateTime.h"

#include <cstdio>

namespace tesmarik {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

}  // namespace

double DaySerial(const DateTime& t) {
    const long long days = DaysFromCivil(t.year, static_cast<unsigned>(t.month),
                                         static_cast<unsigned>(t.day)) +
                           25569;  // 1899-12-30 to 1970-01-01
    return static_cast<double>(days) + (t.hour * 3600.0 + t.minute * 60.0 + t.second) / 86400.0;
}

std::string ShortDate(const DateTime& t) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", t.day, t.month, t.year);
    return buffer;
}

std::string ShortDateTime(const DateTime& t) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, " %02d:%02d", t.hour, t.minute);
    return ShortDate(t) + buffer;
}

}  // namespace tesmarik
