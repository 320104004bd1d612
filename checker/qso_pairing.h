#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "checker/contest_calls.h"
#include "checker/cross_check.h"

namespace kovra::check {

// Finds which record of another log is the same QSO: the records of each log
// are indexed by the log they may stand in, band and mode, in time order, so a
// record's candidates are looked up in a time window, never scanned for.
class QsoPairing {
 public:
  static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

  QsoPairing(const std::vector<CrossLog>& logs, ContestCalls& calls);

  std::size_t Id(QsoRef ref) const { return base_[ref.log] + ref.qso; }
  QsoRef Ref(std::size_t id) const;
  std::size_t Size() const { return records_.size(); }
  std::int64_t Minute(std::size_t id) const { return records_[id].minute; }

  // Each record's partner's id, or kNone: one to one, the pairs with fewer
  // repeats first, then the nearest in time once each log's offset (tenths of a
  // minute) is taken out, up to `windowTenths` apart.
  std::vector<std::size_t> Pair(const std::vector<int>& offsetTenths, int windowTenths) const;

  // The unpaired record of `log` nearest in time that may stand for record `id`.
  std::size_t NearestUnpaired(std::size_t id, std::uint32_t log,
                              const std::vector<int>& offsetTenths,
                              const std::vector<std::size_t>& partner) const;

 private:
  struct Record {
    std::uint32_t log = 0;
    std::uint32_t band = 0;
    std::uint32_t mode = 0;
    bool repeat = false;
    std::int64_t minute = 0;
    const std::vector<std::uint32_t>* partnerLogs = nullptr;  // null: takes no part
  };
  struct Key {
    std::uint32_t owner, partnerLog, band, mode;
    bool operator<(const Key& o) const;
    bool operator==(const Key& o) const;
  };
  struct Entry {
    Key key;
    std::int64_t minute;
    std::size_t id;
  };
  struct Candidate {
    int repeats, distance;
    std::size_t a, b;
    bool operator<(const Candidate& o) const;
  };

  // The entries of `owner` that may stand in `record`'s log, from `fromMinute` on.
  std::vector<Entry>::const_iterator Find(const Record& record, std::uint32_t owner,
                                          std::int64_t fromMinute) const;
  int Distance(std::size_t a, std::size_t b, const std::vector<int>& offsetTenths) const;
  void AddCandidates(std::size_t id, std::uint32_t owner, const std::vector<int>& offsetTenths,
                     int windowTenths, std::vector<Candidate>& out) const;

  std::vector<std::size_t> base_;
  std::vector<Record> records_;
  std::vector<Entry> index_;
};

}  // namespace kovra::check
