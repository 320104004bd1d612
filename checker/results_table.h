#pragma once
#include <optional>
#include <string>
#include <vector>

namespace kovra::check {

struct ResultRow {
  std::string callsign;
  std::string category;
  std::string file;
  std::optional<int> claimedScore;
  int checkedScore = 0;
  int qsos = 0;
  int repeats = 0;
  int notInLog = 0;
  int bustedCalls = 0;
  int exchangeErrors = 0;
  int uniqueCalls = 0;
  std::optional<int> clockOffsetTenths;
};

// "5.0", "-0.3": minutes from tenths of a minute.
std::string TenthsText(int tenths);

// The sponsor's results.csv: a header row, then one row per log, highest checked
// score first. Texts come from strangers' headers: one that a spreadsheet would
// run as a formula is written as text.
std::string ResultsCsv(std::vector<ResultRow> rows);

}  // namespace kovra::check
