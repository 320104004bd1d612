#include "checker/results_table.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace kovra::check {
namespace {

// A spreadsheet takes a cell starting with one of these for a formula; the
// apostrophe makes it text.
std::string TextCell(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  const bool formula =
      first != std::string::npos && std::string("=+-@\t\r").find(text[first]) != std::string::npos;
  std::string cell = formula ? "'" + text : text;
  if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (const char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

std::string Number(long long value) { return std::to_string(value); }

std::string Minutes(const std::optional<double>& minutes) {
  if (!minutes) return std::string();
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", *minutes);
  return text;
}

}  // namespace

ResultRow ResultRowOf(const std::string& file, const LogCheck& log) {
  return {log.callsign.value_or(std::string()),
          log.category,
          file,
          log.claimedScore,
          log.checkedScore,
          static_cast<int>(log.qsos.size()),
          log.repeats,
          log.notInLog,
          log.bustedCalls,
          log.exchangeErrors,
          log.uniqueCalls,
          log.clockOffsetMinutes};
}

std::string ResultsCsv(std::vector<ResultRow> rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const ResultRow& a, const ResultRow& b) {
    return std::tie(b.checkedScore, a.callsign) < std::tie(a.checkedScore, b.callsign);
  });
  std::string csv =
      "callsign,category,claimed_score,checked_score,qsos,repeats,not_in_log,busted_calls,"
      "exchange_errors,unique_calls,clock_offset_minutes,file\r\n";
  for (const ResultRow& r : rows) {
    for (const std::string& cell :
         {TextCell(r.callsign), TextCell(r.category),
          r.claimedScore ? Number(*r.claimedScore) : std::string(), Number(r.checkedScore),
          Number(r.qsos), Number(r.repeats), Number(r.notInLog), Number(r.bustedCalls),
          Number(r.exchangeErrors), Number(r.uniqueCalls), Minutes(r.clockOffsetMinutes),
          TextCell(r.file)}) {
      csv += cell;
      csv += ',';
    }
    csv.back() = '\r';
    csv += '\n';
  }
  return csv;
}

}  // namespace kovra::check
