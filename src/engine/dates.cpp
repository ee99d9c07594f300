#include "engine/dates.h"

#include <cmath>
#include <sstream>

namespace tarmaq {

namespace {

// Days from 30 December 1899 to 1 January 1970.
constexpr double UnixEpochDay = 25569.0;

std::string put(const std::tm& t, const char* format, const std::locale& locale) {
  std::ostringstream out;
  out.imbue(locale);
  const auto& facet = std::use_facet<std::time_put<char>>(locale);
  std::string f(format);
  facet.put(out, out, ' ', &t, f.data(), f.data() + f.size());
  return out.str();
}

}  // namespace

double dateFromLocal(const std::tm& local) {
  // Count the calendar days without the time zone: timegm on the local fields.
  std::tm copy = local;
  const std::time_t asUtc = timegm(&copy);
  return static_cast<double>(asUtc) / 86400.0 + UnixEpochDay;
}

std::tm localFromDate(double date) {
  const double seconds = std::round((date - UnixEpochDay) * 86400.0);
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm out{};
  gmtime_r(&t, &out);
  return out;
}

double dateNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return dateFromLocal(local);
}

std::string formatLongDate(double date, const std::locale& locale) {
  return put(localFromDate(date), "%A, %B %d, %Y", locale);
}

std::string formatTimeAmPm(double date, const std::locale& locale) {
  const std::tm t = localFromDate(date);
  int hour = t.tm_hour % 12;
  if (hour == 0) hour = 12;
  std::string designator = put(t, "%p", locale);
  if (designator.empty()) designator = t.tm_hour < 12 ? "AM" : "PM";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour, t.tm_min, t.tm_sec);
  return std::string(buffer) + " " + designator;
}

}  // namespace tarmaq
