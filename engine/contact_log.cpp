#include "engine/contact_log.h"

#include <functional>

namespace kovra {
namespace {

void Mix(std::size_t& seed, std::size_t value) {
  seed ^= value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2);
}

std::size_t HashTexts(std::initializer_list<const std::string*> texts) {
  std::size_t seed = 0;
  for (const std::string* text : texts) Mix(seed, std::hash<std::string>()(*text));
  return seed;
}

}  // namespace

std::size_t ContactLog::ContentHash::operator()(const Entry* e) const {
  const Contact& c = e->contact;
  std::size_t seed = HashTexts({&c.call, &c.band, &c.mode, &c.exchgRcvd, &c.exchgSent,
                                &c.rstRcvd, &c.rstSent, &c.prefix, &c.extra});
  Mix(seed, c.freqKHz);
  // 0.0 and -0.0 are the same day count; NaN equals nothing, so any hash will do.
  Mix(seed, std::hash<double>()(c.time.value == 0.0 ? 0.0 : c.time.value));
  Mix(seed, std::size_t(c.time.status));
  return seed;  // maCall and regionCode follow from the fields above
}

std::size_t ContactLog::StationHash::operator()(const Entry* e) const {
  return HashTexts({&e->contact.call, &e->contact.mode, &e->contact.band});
}

bool ContactLog::StationEqual::operator()(const Entry* a, const Entry* b) const {
  return a->contact.call == b->contact.call && a->contact.mode == b->contact.mode &&
         a->contact.band == b->contact.band;
}

bool ContactLog::Add(Contact contact) {
  entries_.push_back({std::move(contact), {}, nullptr, nullptr});
  Entry* e = &entries_.back();
  if (!identical_.insert(e).second) {
    entries_.pop_back();
    return false;
  }
  e->self = std::prev(entries_.end());
  const auto [station, first] = stations_.insert(e);
  Entry* earliest = *station;
  if (!first) earliest->lastOfStation->nextOfStation = e;
  earliest->lastOfStation = e;
  Count(e->contact, +1);
  return true;
}

bool ContactLog::RemoveFirst(std::string_view call, std::string_view mode, std::string_view band) {
  Entry* earliest = Earliest(call, mode, band);
  if (!earliest) return false;
  stations_.erase(earliest);
  if (Entry* next = earliest->nextOfStation) {
    next->lastOfStation = earliest->lastOfStation;
    stations_.insert(next);
  }
  identical_.erase(earliest);
  Count(earliest->contact, -1);
  entries_.erase(earliest->self);
  return true;
}

void ContactLog::Clear() {
  identical_.clear();
  stations_.clear();
  maCalls_.clear();
  regionCodes_.clear();
  countedByBand_.clear();
  entries_.clear();
}

ContactLog::Entry* ContactLog::Earliest(std::string_view call, std::string_view mode,
                                        std::string_view band) const {
  Entry probe;
  probe.contact.call = call;
  probe.contact.mode = mode;
  probe.contact.band = band;
  const auto station = stations_.find(&probe);
  return station == stations_.end() ? nullptr : *station;
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
