#include "tests/model/model_date.h"

#include <cmath>

namespace kovra::model {
namespace {

bool IsLeap(long long year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days from 0001-01-01 to the first day of the year.
long long DaysBeforeYear(long long year) {
  const long long y = year - 1;
  return 365 * y + y / 4 - y / 100 + y / 400;
}

int DaysInMonth(long long year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// The calendar date of a day counted from 0001-01-01, for the years 1 to 10000.
void CivilDate(long long dayNumber, Moment& m) {
  long long year = dayNumber / 366 + 1;
  while (DaysBeforeYear(year + 1) <= dayNumber) ++year;
  long long dayOfYear = dayNumber - DaysBeforeYear(year);
  int month = 1;
  while (dayOfYear >= DaysInMonth(year, month)) dayOfYear -= DaysInMonth(year, month++);
  m.year = static_cast<int>(year);
  m.month = month;
  m.day = static_cast<int>(dayOfYear) + 1;
}

// Half a second or more counts as a full second.
long long NearestSecond(double seconds) {
  const double whole = std::floor(seconds);
  return static_cast<long long>(whole) + (seconds - whole >= 0.5 ? 1 : 0);
}

}  // namespace

std::optional<Moment> MomentOf(const OleDate& date) {
  const double v = date.value;
  if (date.status != OleDate::Valid || !std::isfinite(v) || std::fabs(v) > 1e7) return {};
  // The whole part counts days from 1899-12-30; the fraction, whatever the sign,
  // is the time of day.
  const double days = std::trunc(v);
  const long long instant =
      static_cast<long long>(days) * 86400 + NearestSecond(std::fabs(v - days) * 86400.0);
  long long day = instant / 86400;
  long long second = instant % 86400;
  if (second < 0) {
    second += 86400;
    --day;
  }
  const long long dayNumber = day + DaysBeforeYear(1899) + 363;  // 1899-12-30
  if (dayNumber < DaysBeforeYear(100) || dayNumber >= DaysBeforeYear(10000)) return {};
  Moment m{};
  CivilDate(dayNumber, m);
  m.hour = static_cast<int>(second / 3600);
  m.minute = static_cast<int>(second / 60 % 60);
  return m;
}

}  // namespace kovra::model
