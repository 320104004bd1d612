#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace kovra {

// The host's automation date-time, laid out as the host passes it: days since
// 1899-12-30 00:00 (fraction = time of day) at offset 0, status at offset 8.
struct OleDate {
  enum Status : int32_t { Valid = 0, Invalid = 1, Null = 2 };
  double value = 0.0;
  int32_t status = Null;
};

struct DateTimeParts {
  int year, month, day, hour, minute, second;
};

// Calendar parts after rounding to the nearest whole second; nothing for a date
// that is not valid or lies outside the years 100 to 9999.
std::optional<DateTimeParts> ToDateTimeParts(const OleDate& date);

// A valid date-time from calendar parts (years 100 to 9999, UTC or local alike).
OleDate MakeOleDate(int year, int month, int day, int hour, int minute, double second);

// "08.12.2026 13:45:00", as a day.month.year locale shows it; empty when not valid.
std::string LocaleDateText(const OleDate& date);

}  // namespace kovra
