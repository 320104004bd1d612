#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "checker/log_check.h"

namespace kovra::check {

// Two records of one QSO may lie this far apart once both clocks' offsets are
// taken out; an offset up to this much is taken out and costs nothing.
constexpr int kToleranceMinutes = 10;
constexpr int kMaxFreeOffsetMinutes = 10;

struct CrossQso {
  std::string band;         // what tells bands apart
  std::string mode;         // as the repeat rule groups the codes
  std::int64_t minute = 0;  // UTC, whole minutes since any one epoch
  std::string call;         // the worked station
  std::string sent;         // the exchange the log's sent column holds
  std::string received;
  // From the single-log check: Unreadable, NoCall, Repeat, or Counted when it
  // is for the cross-check to judge.
  QsoStatus single = QsoStatus::Counted;
};

struct CrossLog {
  std::string call;
  std::vector<CrossQso> qsos;
};

struct QsoRef {
  std::size_t log = 0;  // index into the logs given to CrossCheck
  std::size_t qso = 0;  // index into that log's qsos
};

struct QsoVerdict {
  QsoStatus status = QsoStatus::Counted;
  bool unique = false;  // counted, with a call that no other log holds and that sent no log
  // The other log's record of this QSO. For a QSO not in the log: that log's
  // nearest unpaired record of this station on the band and mode, if any.
  std::optional<QsoRef> partner;
};

struct LogVerdict {
  std::vector<QsoVerdict> qsos;  // parallel to the log's qsos
  // This log's clock minus the others', in tenths of a minute; none without a
  // QSO found in another log. Taken out of the times only within the free offset.
  std::optional<int> clockOffsetTenths;
  bool clockOffsetTakenOut = false;
};

// Judges every QSO of every log against the others' logs; cost grows with the
// number of QSO lines, not with the number of pairs of logs.
std::vector<LogVerdict> CrossCheck(const std::vector<CrossLog>& logs);

}  // namespace kovra::check
