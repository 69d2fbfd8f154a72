#pragma once

#include <string>

#include "common/DateTime.h"
#include "common/Platform.h"
#include "form/TForm1.h"

namespace tesmarik {

// Whole days from `written` to `now`, truncated toward zero (negative when the file is
// dated in the future).
long long AgeInDays(const DateTime& written, const DateTime& now);

// " день", " дня", " дней", or nothing for a negative age; the age as a whole decides,
// not its last digit.
std::string AgeUnitWord(long long days);

// Shows the price file's date and age on the price tab and, when the file is a day old or
// more, offers to fetch a fresh one. The price file must exist.
void CheckPriceAge(TForm1& f, Platform& platform);

}  // namespace tesmarik
