#include "checker/tour_view.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <tuple>

#include "engine/band_plan.h"
#include "engine/tour.h"

namespace kovra::check {
namespace {

// With a worked call and a valid time, whatever a cross-check made of it.
bool InView(const CheckedQso& c) {
  return c.status != QsoStatus::Unreadable && c.status != QsoStatus::NoCall;
}

std::vector<std::string> BandsOf(const std::vector<CheckedQso>& qsos) {
  std::vector<std::string> bands;
  for (const CheckedQso& c : qsos) {
    if (InView(c) && std::find(bands.begin(), bands.end(), c.band) == bands.end()) {
      bands.push_back(c.band);
    }
  }
  const auto edge = [](const std::string& band) {
    return BandLowerEdge(band).value_or(UINT32_MAX);
  };
  std::stable_sort(bands.begin(), bands.end(),
                   [&](const std::string& a, const std::string& b) { return edge(a) < edge(b); });
  return bands;
}

// The last minute of a tour or the first of the next: a clock a minute off
// puts the QSO on the other side.
bool NearEdge(const DateTimeParts& t) {
  const int minute = t.minute % kTourMinutes;
  return minute == 0 || minute == kTourMinutes - 1;
}

}  // namespace

TourView BuildTourView(const std::vector<CheckedQso>& qsos) {
  TourView view;
  view.bands = BandsOf(qsos);
  using Key = std::tuple<int, int, int, int, int>;  // year, month, day, hour, minute of the start
  std::map<Key, TourRow> rows;
  for (const CheckedQso& c : qsos) {
    if (!InView(c)) continue;
    const DateTimeParts start = TourStart(*c.time);
    TourRow& row = rows[{start.year, start.month, start.day, start.hour, start.minute}];
    row.start = start;
    row.qsos.resize(view.bands.size());
    const auto band = std::find(view.bands.begin(), view.bands.end(), c.band);
    ++row.qsos[static_cast<std::size_t>(band - view.bands.begin())];
    if (c.status == QsoStatus::Repeat) ++row.repeats;
    if (NearEdge(*c.time)) view.nearEdges.push_back({c.line, *c.time, c.fields.call, c.band});
  }
  for (auto& [key, row] : rows) view.rows.push_back(std::move(row));
  return view;
}

}  // namespace kovra::check
