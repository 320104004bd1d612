#include "engine/contact_log.h"

#include <functional>

namespace kovra {
namespace {

// Unambiguous for any texts: each is preceded by its length.
std::string StationKey(std::string_view call, std::string_view mode, std::string_view band) {
  std::string key;
  for (std::string_view part : {call, mode, band}) {
    key.append(std::to_string(part.size())).append(":").append(part);
  }
  return key;
}

void Mix(std::size_t& seed, std::size_t value) {
  seed ^= value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2);
}

}  // namespace

std::size_t ContactLog::ContentHash::operator()(const Contact* c) const {
  const std::hash<std::string> text;
  std::size_t seed = std::hash<uint32_t>()(c->freqKHz);
  // 0.0 and -0.0 are the same day count; NaN never equals anything, so any hash will do.
  Mix(seed, std::hash<double>()(c->time.value == 0.0 ? 0.0 : c->time.value));
  Mix(seed, std::hash<int32_t>()(c->time.status));
  for (const std::string* s : {&c->call, &c->band, &c->mode, &c->exchgRcvd, &c->exchgSent,
                               &c->rstRcvd, &c->rstSent, &c->prefix, &c->extra}) {
    Mix(seed, text(*s));
  }
  return seed;  // maCall and regionCode follow from the fields above
}

bool ContactLog::Add(Contact contact) {
  if (identical_.count(&contact)) return false;
  contacts_.push_back(std::move(contact));
  const Stored::const_iterator stored = std::prev(contacts_.end());
  identical_.insert(&*stored);
  stations_[StationKey(stored->call, stored->mode, stored->band)].push_back(stored);
  Count(*stored, +1);
  return true;
}

bool ContactLog::RemoveFirst(std::string_view call, std::string_view mode, std::string_view band) {
  const auto station = stations_.find(StationKey(call, mode, band));
  if (station == stations_.end()) return false;
  const Stored::const_iterator earliest = station->second.front();
  station->second.pop_front();
  if (station->second.empty()) stations_.erase(station);
  identical_.erase(&*earliest);
  Count(*earliest, -1);
  contacts_.erase(earliest);
  return true;
}

void ContactLog::Clear() {
  identical_.clear();
  stations_.clear();
  maCalls_.clear();
  regionCodes_.clear();
  countedByBand_.clear();
  contacts_.clear();
}

const ContactLog::Station* ContactLog::Find(std::string_view call, std::string_view mode,
                                            std::string_view band) const {
  const auto station = stations_.find(StationKey(call, mode, band));
  return station == stations_.end() ? nullptr : &station->second;
}

int ContactLog::CountedOnBand(std::string_view band) const {
  const auto it = countedByBand_.find(std::string(band));
  return it == countedByBand_.end() ? 0 : it->second;
}

void ContactLog::Count(const Contact& c, int delta) {
  Bump(maCalls_, c.maCall, delta);
  Bump(regionCodes_, c.regionCode, delta);
  if (!c.call.empty()) Bump(countedByBand_, c.band, delta);
}

void ContactLog::Bump(Tally& tally, const std::string& key, int delta) {
  if ((tally[key] += delta) == 0) tally.erase(key);
}

}  // namespace kovra
