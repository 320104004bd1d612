#include "engine/contact_log.h"

#include <algorithm>

namespace kovra {

bool ContactLog::Add(Contact contact) {
  if (std::find(contacts_.begin(), contacts_.end(), contact) != contacts_.end()) return false;
  contacts_.push_back(std::move(contact));
  return true;
}

bool ContactLog::RemoveFirst(std::string_view call, std::string_view mode, std::string_view band) {
  const auto it = std::find_if(contacts_.begin(), contacts_.end(), [&](const Contact& c) {
    return c.call == call && c.mode == mode && c.band == band;
  });
  if (it == contacts_.end()) return false;
  contacts_.erase(it);
  return true;
}

}  // namespace kovra
