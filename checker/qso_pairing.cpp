#include "checker/qso_pairing.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <unordered_map>

namespace kovra::check {

bool QsoPairing::Key::operator<(const Key& o) const {
  return std::tie(owner, partnerLog, band, mode) < std::tie(o.owner, o.partnerLog, o.band, o.mode);
}

bool QsoPairing::Key::operator==(const Key& o) const {
  return owner == o.owner && partnerLog == o.partnerLog && band == o.band && mode == o.mode;
}

bool QsoPairing::Candidate::operator<(const Candidate& o) const {
  return std::tie(repeats, distance, a, b) < std::tie(o.repeats, o.distance, o.a, o.b);
}

QsoPairing::QsoPairing(const std::vector<CrossLog>& logs, ContestCalls& calls) {
  std::unordered_map<std::string, std::uint32_t> ids;  // bands and modes
  const auto id = [&ids](const std::string& name) {
    return ids.try_emplace(name, static_cast<std::uint32_t>(ids.size())).first->second;
  };
  std::size_t total = 0;
  for (const CrossLog& log : logs) total += log.qsos.size();
  records_.reserve(total);
  index_.reserve(total);
  for (std::uint32_t log = 0; log < logs.size(); ++log) {
    base_.push_back(records_.size());
    for (const CrossQso& q : logs[log].qsos) {
      Record r{log,      id(q.band), id('\n' + q.mode), q.single == QsoStatus::Repeat,
               q.minute, nullptr};
      if (Pairable(q)) {
        r.partnerLogs = &calls.PartnerLogs(q.call);
        for (const std::uint32_t other : *r.partnerLogs) {
          if (other != log)
            index_.push_back({{log, other, r.band, r.mode}, q.minute, records_.size()});
        }
      }
      records_.push_back(r);
    }
  }
  std::sort(index_.begin(), index_.end(), [](const Entry& x, const Entry& y) {
    return std::tie(x.key, x.minute, x.id) < std::tie(y.key, y.minute, y.id);
  });
}

QsoRef QsoPairing::Ref(std::size_t id) const {
  const std::size_t log =
      static_cast<std::size_t>(std::upper_bound(base_.begin(), base_.end(), id) - base_.begin()) -
      1;
  return {log, id - base_[log]};
}

std::vector<QsoPairing::Entry>::const_iterator QsoPairing::Find(const Record& record,
                                                                std::uint32_t owner,
                                                                std::int64_t fromMinute) const {
  const Entry probe{{owner, record.log, record.band, record.mode}, fromMinute, 0};
  return std::lower_bound(index_.begin(), index_.end(), probe, [](const Entry& x, const Entry& y) {
    return std::tie(x.key, x.minute, x.id) < std::tie(y.key, y.minute, y.id);
  });
}

int QsoPairing::Distance(std::size_t a, std::size_t b, const std::vector<int>& offsetTenths) const {
  const Record& x = records_[a];
  const Record& y = records_[b];
  const std::int64_t apart = (x.minute - y.minute) * 10 - offsetTenths[x.log] + offsetTenths[y.log];
  return static_cast<int>(
      std::min<std::int64_t>(apart < 0 ? -apart : apart, std::numeric_limits<int>::max()));
}

void QsoPairing::AddCandidates(std::size_t id, std::uint32_t owner,
                               const std::vector<int>& offsetTenths, int windowTenths,
                               std::vector<Candidate>& out) const {
  const Record& a = records_[id];
  // a's time on owner's clock, in tenths of a minute
  const std::int64_t centre = a.minute * 10 - offsetTenths[a.log] + offsetTenths[owner];
  const Key key{owner, a.log, a.band, a.mode};
  for (auto it = Find(a, owner, (centre - windowTenths) / 10 - 1);
       it != index_.end() && it->key == key && it->minute * 10 <= centre + windowTenths; ++it) {
    const int distance = Distance(id, it->id, offsetTenths);
    if (distance > windowTenths) continue;
    out.push_back({int{a.repeat} + int{records_[it->id].repeat}, distance, id, it->id});
  }
}

std::vector<std::size_t> QsoPairing::Pair(const std::vector<int>& offsetTenths,
                                          int windowTenths) const {
  std::vector<Candidate> candidates;
  candidates.reserve(records_.size());
  for (std::size_t id = 0; id < records_.size(); ++id) {
    if (!records_[id].partnerLogs) continue;
    for (const std::uint32_t owner : *records_[id].partnerLogs) {
      // each pair once, from its lower log's side
      if (owner > records_[id].log)
        AddCandidates(id, owner, offsetTenths, windowTenths, candidates);
    }
  }
  std::sort(candidates.begin(), candidates.end());
  std::vector<std::size_t> partner(records_.size(), kNone);
  for (const Candidate& c : candidates) {
    if (partner[c.a] != kNone || partner[c.b] != kNone) continue;
    partner[c.a] = c.b;
    partner[c.b] = c.a;
  }
  return partner;
}

std::size_t QsoPairing::NearestUnpaired(std::size_t id, std::uint32_t log,
                                        const std::vector<int>& offsetTenths,
                                        const std::vector<std::size_t>& partner) const {
  const Record& a = records_[id];
  const Key key{log, a.log, a.band, a.mode};
  std::size_t nearest = kNone;
  int best = std::numeric_limits<int>::max();
  for (auto it = Find(a, log, std::numeric_limits<std::int64_t>::min());
       it != index_.end() && it->key == key; ++it) {
    const int distance = Distance(id, it->id, offsetTenths);
    if (partner[it->id] == kNone && distance < best) best = distance, nearest = it->id;
  }
  return nearest;
}

}  // namespace kovra::check
