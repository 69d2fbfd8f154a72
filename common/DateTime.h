#pragma once

#include <string>

namespace tesmarik {

// A local date and time as the clock and the file system give it.
struct DateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Days since 1899-12-30 00:00, with the time of day as the fraction.
double DaySerial(const DateTime& t);

// The Russian short date: day.month.year with two-digit day and month.
std::string ShortDate(const DateTime& t);

// The short date and the time to the minute: "dd.mm.yyyy hh:mm".
std::string ShortDateTime(const DateTime& t);

}  // namespace tesmarik
