#pragma once
#include <optional>
#include <string>
#include <vector>

#include "checker/log_check.h"

namespace kovra::check {

struct ResultRow {
  std::string callsign;
  std::string category;
  std::string file;
  std::optional<long long> claimedScore;
  int checkedScore = 0;
  int qsos = 0;
  int repeats = 0;
  int notInLog = 0;
  int bustedCalls = 0;
  int exchangeErrors = 0;
  int uniqueCalls = 0;
  std::optional<double> clockOffsetMinutes;
};

ResultRow ResultRowOf(const std::string& file, const LogCheck& log);

// The sponsor's results.csv: a header row, then one row per log, highest checked
// score first. Texts come from strangers' headers: one that a spreadsheet would
// run as a formula is written as text.
std::string ResultsCsv(std::vector<ResultRow> rows);

}  // namespace kovra::check
