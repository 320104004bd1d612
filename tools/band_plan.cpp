#include "tools/band_plan.h"

#include "tools/ascii_text.h"

namespace kovra::replay {
namespace {

struct Band {
  uint32_t lowHz, highHz;  // both inclusive, as in ADIF's band table
  const char* name;
};

// ADIF's band enumeration up to the largest frequency 32 bits of Hz can hold.
constexpr Band kBands[] = {
    {135700, 137800, "2190"},         {472000, 479000, "630"},
    {501000, 504000, "560"},          {1800000, 2000000, "160"},
    {3500000, 4000000, "80"},         {5060000, 5450000, "60"},
    {7000000, 7300000, "40"},         {10100000, 10150000, "30"},
    {14000000, 14350000, "20"},       {18068000, 18168000, "17"},
    {21000000, 21450000, "15"},       {24890000, 24990000, "12"},
    {28000000, 29700000, "10"},       {50000000, 54000000, "6"},
    {70000000, 71000000, "4"},        {144000000, 148000000, "2"},
    {222000000, 225000000, "1.25"},   {420000000, 450000000, "70cm"},
    {902000000, 928000000, "33cm"},   {1240000000, 1300000000, "23cm"},
    {2300000000u, 2450000000u, "13cm"}, {3300000000u, 3500000000u, "9cm"},
};

}  // namespace

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

std::string BandOfFrequency(uint32_t hz) {
  for (const Band& band : kBands) {
    if (hz >= band.lowHz && hz <= band.highHz) return band.name;
  }
  return std::string();
}

std::optional<uint32_t> BandLowerEdge(std::string_view name) {
  for (const Band& band : kBands) {
    if (name == band.name) return band.lowHz;
  }
  return std::nullopt;
}

}  // namespace kovra::replay
