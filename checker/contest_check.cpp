#include "checker/contest_check.h"

#include "platform/ascii_text.h"

namespace kovra::check {
namespace {

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(int year, int month, int day) {
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

std::int64_t MinuteOf(const DateTimeParts& t) {
  return DaysFromCivil(t.year, t.month, t.day) * 1440 + t.hour * 60 + t.minute;
}

}  // namespace

std::vector<CrossLog> CrossLogsOf(const std::vector<LogCheck>& logs) {
  std::vector<CrossLog> cross(logs.size());
  for (std::size_t i = 0; i < logs.size(); ++i) {
    cross[i].call = Upper(logs[i].callsign.value_or(std::string()));
    cross[i].qsos.reserve(logs[i].qsos.size());
    for (const CheckedQso& c : logs[i].qsos) {
      cross[i].qsos.push_back({BandKey(c), c.mode, c.time ? MinuteOf(*c.time) : 0, c.call,
                               c.fields.sent, c.received, c.status});
    }
  }
  return cross;
}

std::vector<LogVerdict> CrossCheckLogs(std::vector<LogCheck>& logs) {
  std::vector<LogVerdict> verdicts = CrossCheck(CrossLogsOf(logs));
  for (std::size_t i = 0; i < logs.size(); ++i) {
    LogCheck& log = logs[i];
    for (std::size_t q = 0; q < log.qsos.size(); ++q) {
      log.qsos[q].status = verdicts[i].qsos[q].status;
      log.qsos[q].unique = verdicts[i].qsos[q].unique;
    }
    const std::optional<int> tenths = verdicts[i].clockOffsetTenths;
    log.clockOffsetMinutes = tenths ? std::optional<double>(*tenths / 10.0) : std::nullopt;
    SettleScore(log);
  }
  return verdicts;
}

}  // namespace kovra::check
