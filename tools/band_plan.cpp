#include "tools/band_plan.h"

#include "platform/ascii_text.h"

namespace kovra::replay {

FreqReading ParseFreqMHz(std::string_view text) {
  text = Trim(text);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return {};
  uint64_t hz = 0;
  bool above = false;
  for (const char c : whole) {
    if (!IsDigit(c)) return {};
    hz = hz * 10 + static_cast<uint64_t>(c - '0');
    if (hz > UINT32_MAX) above = true, hz = 0;  // keeps reading: it may not be a number at all
  }
  uint64_t scale = 1000000;
  uint64_t below = 0;
  for (const char c : fraction) {
    if (!IsDigit(c)) return {};
    scale /= 10;
    below += scale * static_cast<uint64_t>(c - '0');
  }
  hz = hz * 1000000 + below;
  if (above || hz > UINT32_MAX) return {FreqReading::Above32Bits};
  return {FreqReading::Hz, static_cast<uint32_t>(hz)};
}

std::string BandFromAdif(std::string_view band) {
  std::string name = Lower(Trim(band));
  const bool metres = name.size() > 1 && name.back() == 'm' && IsDigit(name[name.size() - 2]);
  if (metres) name.pop_back();
  return name;
}

}  // namespace kovra::replay
