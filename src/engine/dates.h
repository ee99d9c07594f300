// Dates as the game keeps them: days since 30 December 1899 with the time of day as the
// fraction, in local time. And the two forms the game log shows.
#pragma once

#include <ctime>
#include <locale>
#include <string>

namespace tarmaq {

// Now, in local time.
double dateNow();
// A local calendar time to the day count, and back.
double dateFromLocal(const std::tm& local);
std::tm localFromDate(double date);

// The locale's long date with names of days and months: "Friday, December 11, 2026".
std::string formatLongDate(double date, const std::locale& locale);
// "hh:mm:ss AMPM": 12-hour clock, two-digit fields, the locale's designator after a blank
// ("AM"/"PM" where the locale has none).
std::string formatTimeAmPm(double date, const std::locale& locale);

}  // namespace tarmaq
