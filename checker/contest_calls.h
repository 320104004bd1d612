#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "checker/call_neighbours.h"
#include "checker/cross_check.h"

namespace kovra::check {

// Readable, with a worked call, and not left out by the single-log check.
inline bool Pairable(const CrossQso& q) {
  return !q.call.empty() && (q.single == QsoStatus::Counted || q.single == QsoStatus::Repeat);
}

// What the contest's calls say about one another: who sent a log, who is one
// edit from whom, who was worked by whom.
class ContestCalls {
 public:
  explicit ContestCalls(const std::vector<CrossLog>& logs);

  bool Submitted(const std::string& call) const { return logsByCall_.count(call) != 0; }

  // The logs a QSO with `call` can stand in: the call's own, or for a call that
  // sent no log, those whose call is one edit from it. Ascending.
  const std::vector<std::uint32_t>& PartnerLogs(const std::string& call);

  // Whether a log other than `log` holds a QSO with `call`.
  bool HeldElsewhere(const std::string& call, std::size_t log) const;

 private:
  struct Holders {
    std::size_t first = 0;
    bool more = false;
  };
  std::unordered_map<std::string, std::vector<std::uint32_t>> logsByCall_;
  std::vector<std::string> submitted_;
  CallNeighbours neighbours_;
  std::unordered_map<std::string, std::vector<std::uint32_t>> partnerLogs_;
  std::unordered_map<std::string, Holders> holders_;
};

}  // namespace kovra::check
