#include "engine/exchange.h"

#include <algorithm>

namespace kovra {

bool IsHomePrefix(std::string_view prefix) {
  return prefix == "UA" || prefix == "UA2" || prefix == "UA9";
}

bool IsValidExchange(std::string_view text) {
  if (text.size() != 3 && text.size() != 4) return false;
  const bool digits =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  return digits && text != "599";
}

NormalisedExchange NormaliseExchange(std::string_view received) {
  // Five characters carry the pair right behind the serial; any other length
  // has one separating character in between.
  const std::size_t pairStart = received.size() == 5 ? 3 : 4;
  NormalisedExchange out;
  if (received.size() > pairStart) out.region = std::string(received.substr(pairStart, 2));
  out.text = std::string(received.substr(0, 3)) + ' ' + out.region;
  return out;
}

}  // namespace kovra
