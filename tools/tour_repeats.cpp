#include "tools/tour_repeats.h"

#include <map>
#include <string>
#include <tuple>

namespace kovra::replay {

std::vector<TourRepeat> FindTourRepeats(const std::vector<QsoContact>& contacts) {
  using Key = std::tuple<std::string, std::string, std::string, int>;
  std::map<Key, std::size_t> firstInTour;
  std::vector<TourRepeat> repeats;
  for (std::size_t i = 0; i < contacts.size(); ++i) {
    const QsoContact& c = contacts[i];
    const auto parts = ToDateTimeParts(c.time);
    if (c.call.empty() || !parts) continue;
    const int tour = parts->hour * 2 + (parts->minute >= 30 ? 1 : 0);
    const auto [it, isFirst] = firstInTour.try_emplace(Key{c.call, c.band, c.mode, tour}, i);
    if (!isFirst) repeats.push_back({it->second, i, parts->hour, parts->minute >= 30});
  }
  return repeats;
}

}  // namespace kovra::replay
