#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checker/findings.h"
#include "checker/log_text.h"
#include "checker/qso_line.h"
#include "platform/ole_date.h"

namespace kovra::check {

// The first of these that applies; the three before Counted come from a
// cross-check of many logs.
enum class QsoStatus {
  Unreadable,     // a field cannot be read, or there is no valid date and time
  NoCall,         // no worked call
  Repeat,         // the same station, band and mode earlier in the tour
  BustedCall,     // the call sent no log; one a character off holds this QSO
  NotInLog,       // the worked station's log does not hold it
  ExchangeError,  // received other than the worked station sent
  Counted
};

struct CheckedQso {
  int line = 0;
  QsoFields fields;  // as written
  QsoStatus status = QsoStatus::Counted;
  std::optional<DateTimeParts> time;  // when the date and time are valid
  OleDate when;                       // the same, for differences in minutes
  std::string call;                   // the worked call in capitals
  std::string band;                   // from the frequency, as the core names it; empty: none
  std::string mode;                   // as the repeat rule takes it: CW, PH or PM
  std::string received;               // the received exchange as the plug-in stores it
  int repeatOf = 0;                   // a repeat's first QSO in the tour, by line
  bool unique = false;                // counted; its call is in no other log and sent none
};

// What tells one band from another for the contest's rules: the band, or for a
// frequency in none, the frequency as written.
const std::string& BandKey(const CheckedQso& qso);

struct LogCheck {
  Encoding encoding = Encoding::Ascii;
  std::optional<std::string> callsign;  // CALLSIGN, when there is one
  std::optional<std::string> contest;   // CONTEST, when there is one
  std::string category;                 // the CATEGORY lines' values, blank between
  std::optional<long long> claimedScore;
  int claimedLine = 0;
  std::vector<CheckedQso> qsos;   // every QSO line, in file order
  std::vector<Finding> findings;  // in line order
  // The figures, from the statuses.
  int unreadable = 0, noCall = 0, repeats = 0, checkedScore = 0;
  // A cross-check of many logs fills these; one log leaves them 0 and none.
  int notInLog = 0, bustedCalls = 0, exchangeErrors = 0, uniqueCalls = 0;
  std::optional<double> clockOffsetMinutes;
};

// The whole check of one log, from its bytes.
LogCheck CheckLog(std::string_view bytes);

// Counts the statuses into the figures and compares the claimed score with the
// checked one; a cross-check calls it again once it has changed statuses.
void SettleScore(LogCheck& log);

int CountOf(const std::vector<Finding>& findings, Severity severity);

}  // namespace kovra::check
