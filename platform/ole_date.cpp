#include "platform/ole_date.h"

#include <cmath>
#include <cstdio>

namespace kovra {
namespace {

// Days from 0000-03-01 in the proleptic Gregorian calendar to a civil date.
void CivilFromDays(long long days, int& year, int& month, int& day) {
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long doe = days - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

constexpr long long kDaysTo18991230 = 693899;  // from 0000-03-01
constexpr double kFirstDay = -657434.0;        // 0100-01-01
constexpr double kLastDay = 2958466.0;         // 10000-01-01

}  // namespace

std::optional<DateTimeParts> ToDateTimeParts(const OleDate& date) {
  const double v = date.value;
  // Only a guard for the arithmetic: the year after rounding decides, and the last
  // half second of the year 99 (-657435.99999...) rounds into the year 100.
  if (date.status != OleDate::Valid || !(v > kFirstDay - 2.0 && v < kLastDay + 1.0)) return {};
  // Negative dates count whole days back from 1899-12-30 while their fraction
  // still runs forward through the day.
  const double whole = std::trunc(v);
  long long day = static_cast<long long>(whole);
  long long seconds = std::llround(std::fabs(v - whole) * 86400.0);
  if (seconds >= 86400) {
    seconds -= 86400;
    ++day;
  }
  DateTimeParts p{};
  CivilFromDays(day + kDaysTo18991230, p.year, p.month, p.day);
  if (p.year < 100 || p.year > 9999) return {};
  p.hour = static_cast<int>(seconds / 3600);
  p.minute = static_cast<int>(seconds / 60 % 60);
  p.second = static_cast<int>(seconds % 60);
  return p;
}

OleDate MakeOleDate(int year, int month, int day, int hour, int minute, double second) {
  const double days = double(DaysFromCivil(year, month, day) - kDaysTo18991230);
  const double fraction = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
  // Before 1899-12-30 the day counts back while the time of day still counts forward.
  return {days < 0 ? days - fraction : days + fraction, OleDate::Valid};
}

std::string LocaleDateText(const OleDate& date) {
  const auto p = ToDateTimeParts(date);
  if (!p) return std::string();
  char text[40];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", p->day, p->month, p->year,
                p->hour, p->minute, p->second);
  return text;
}

}  // namespace kovra
