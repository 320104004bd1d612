#include "engine/contact_log.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace kovra {
namespace {

void Mix(std::size_t& seed, std::size_t value) {
  seed ^= value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2);
}

uint32_t Fold(std::size_t seed) { return uint32_t(seed ^ (uint64_t(seed) >> 32)); }

std::size_t HashTexts(std::initializer_list<std::string_view> texts) {
  std::size_t seed = 0;
  for (const std::string_view text : texts) Mix(seed, std::hash<std::string_view>()(text));
  return seed;
}

uint32_t StationHash(std::string_view call, std::string_view mode, std::string_view band) {
  return Fold(HashTexts({call, mode, band}));
}

uint32_t ContentHash(const Contact& c) {
  std::size_t seed = HashTexts(
      {c.call, c.band, c.mode, c.exchgRcvd, c.exchgSent, c.rstRcvd, c.rstSent, c.prefix, c.extra});
  Mix(seed, c.freqKHz);
  // 0.0 and -0.0 are the same day count; NaN equals nothing, so any hash will do.
  Mix(seed, std::hash<double>()(c.time.value == 0.0 ? 0.0 : c.time.value));
  Mix(seed, std::size_t(c.time.status));
  return Fold(seed);  // maCall and regionCode follow from the fields above
}

bool SameStation(const Contact& c, std::string_view call, std::string_view mode,
                 std::string_view band) {
  return c.call == call && c.mode == mode && c.band == band;
}

}  // namespace

bool ContactLog::Add(Contact&& contact) {
  const uint32_t hash = ContentHash(contact);
  identical_.Prefetch(hash);
  const uint32_t station = StationHash(contact.call, contact.mode, contact.band);
  stations_.Prefetch(station);
  // Stored before the probe, so that moving its eleven strings overlaps the
  // probe's cache miss; an identical contact is rare and is taken back.
  const auto index = uint32_t(entries_.size());
  Entry& e = entries_.emplace_back();
  e.contact = std::move(contact);
  e.contentHash = hash;
  e.stationHash = station;
  const auto same = [&](uint32_t i) { return entries_[i].contact == e.contact; };
  if (identical_.Find(hash, same) != HashIndex::kNone) {
    entries_.pop_back();
    return false;
  }
  // Whatever can fail (memory) comes before the first index changes, so a
  // failed add leaves the log as it was.
  try {
    identical_.MakeRoomForOne();
    stations_.MakeRoomForOne();
    Count(e.contact, +1);
  } catch (...) {
    entries_.pop_back();
    throw;
  }
  identical_.Insert(hash, index);
  LinkToStation(index);
  return true;
}

void ContactLog::LinkToStation(uint32_t index) {
  Entry& e = entries_[index];
  e.nextOfStation = HashIndex::kNone;
  const uint32_t earliest = Earliest(e.stationHash, e.contact.call, e.contact.mode, e.contact.band);
  if (earliest == HashIndex::kNone) {
    stations_.Insert(e.stationHash, index);
    e.lastOfStation = index;
  } else {
    entries_[entries_[earliest].lastOfStation].nextOfStation = index;
    entries_[earliest].lastOfStation = index;
  }
}

bool ContactLog::RemoveFirst(std::string_view call, std::string_view mode, std::string_view band) {
  const uint32_t index = Earliest(call, mode, band);
  if (index == HashIndex::kNone) return false;
  Entry& e = entries_[index];
  stations_.Erase(e.stationHash, index);
  if (e.nextOfStation != HashIndex::kNone) {
    entries_[e.nextOfStation].lastOfStation = e.lastOfStation;
    stations_.Insert(e.stationHash, e.nextOfStation);
  }
  identical_.Erase(e.contentHash, index);
  Count(e.contact, -1);
  e.removed = true;
  if (++removed_ > size()) Compact();
  return true;
}

// Renumbers the living entries, so the indexes are built again.
void ContactLog::Compact() {
  entries_.erase(
      std::remove_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.removed; }),
      entries_.end());
  removed_ = 0;
  identical_.Clear();
  stations_.Clear();
  for (uint32_t i = 0; i < entries_.size(); ++i) {
    identical_.Insert(entries_[i].contentHash, i);
    LinkToStation(i);
  }
}

void ContactLog::Clear() {
  identical_.Clear();
  stations_.Clear();
  maCalls_.clear();
  regionCodes_.clear();
  countedByBand_.clear();
  entries_.clear();
  removed_ = 0;
}

uint32_t ContactLog::Earliest(std::string_view call, std::string_view mode,
                              std::string_view band) const {
  return Earliest(StationHash(call, mode, band), call, mode, band);
}

uint32_t ContactLog::Earliest(uint32_t stationHash, std::string_view call, std::string_view mode,
                              std::string_view band) const {
  return stations_.Find(
      stationHash, [&](uint32_t i) { return SameStation(entries_[i].contact, call, mode, band); });
}

int ContactLog::CountedOnBand(std::string_view band) const {
  const auto it = countedByBand_.find(std::string(band));
  return it == countedByBand_.end() ? 0 : it->second;
}

// All three tallies or none: taking back a count needs no memory.
void ContactLog::Count(const Contact& c, int delta) {
  const std::pair<Tally*, const std::string*> tallies[] = {
      {&maCalls_, &c.maCall}, {&regionCodes_, &c.regionCode}, {&countedByBand_, &c.band}};
  const std::size_t n = c.call.empty() ? 2 : 3;  // a contact without a call does not score
  std::size_t done = 0;
  try {
    for (; done < n; ++done) Bump(*tallies[done].first, *tallies[done].second, delta);
  } catch (...) {
    while (done-- > 0) Bump(*tallies[done].first, *tallies[done].second, -delta);
    throw;
  }
}

void ContactLog::Bump(Tally& tally, const std::string& key, int delta) {
  if ((tally[key] += delta) == 0) tally.erase(key);
}

}  // namespace kovra
