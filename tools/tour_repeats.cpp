#include "tools/tour_repeats.h"

#include <map>
#include <string>
#include <tuple>

#include "engine/plugin.h"
#include "engine/tour.h"

namespace kovra::replay {
namespace {

using Station = std::tuple<std::string, std::string, std::string>;  // call, band, mode

Station StationOf(const QsoContact& c) { return {c.call, c.band, c.mode}; }

// What the plug-in keeps of the contact, so that "identical" is its own test.
Contact Stored(const QsoContact& c) {
  return ToContact({c.call, c.time, c.freqHz, c.mode, c.rstSent, c.rstRcvd, c.exchgSent,
                    c.exchgRcvd, c.prefix, c.extra, c.band});
}

}  // namespace

std::vector<IdenticalRecord> FindIdenticalRecords(const std::vector<QsoContact>& contacts) {
  std::map<Station, std::vector<std::size_t>> kept;
  std::vector<IdenticalRecord> identical;
  for (std::size_t i = 0; i < contacts.size(); ++i) {
    std::vector<std::size_t>& same = kept[StationOf(contacts[i])];
    const Contact stored = Stored(contacts[i]);
    bool again = false;
    for (const std::size_t earlier : same) {
      if (Stored(contacts[earlier]) == stored) {
        identical.push_back({earlier, i});
        again = true;
        break;
      }
    }
    if (!again) same.push_back(i);
  }
  return identical;
}

std::vector<TourRepeat> FindTourRepeats(const std::vector<QsoContact>& contacts,
                                        const std::vector<IdenticalRecord>& identical) {
  std::vector<bool> skip(contacts.size());
  for (const IdenticalRecord& r : identical) skip[r.again] = true;
  using Key = std::tuple<Station, int, int, int, int>;  // station, year, month, day, tour
  std::map<Key, std::size_t> firstInTour;
  std::vector<TourRepeat> repeats;
  for (std::size_t i = 0; i < contacts.size(); ++i) {
    const QsoContact& c = contacts[i];
    const auto p = ToDateTimeParts(c.time);
    if (skip[i] || c.call.empty() || !p) continue;
    const Key key{StationOf(c), p->year, p->month, p->day, TourOfDay(p->hour, p->minute)};
    const auto [it, isFirst] = firstInTour.try_emplace(key, i);
    if (!isFirst) repeats.push_back({it->second, i, TourStart(*p)});
  }
  return repeats;
}

}  // namespace kovra::replay
