#include "engine/band_plan.h"

namespace kovra {
namespace {

struct Band {
  uint32_t lowHz, highHz;  // both inclusive, as in ADIF's band table
  const char* name;
};

// ADIF's band enumeration up to the largest frequency 32 bits of Hz can hold.
constexpr Band kBands[] = {
    {135700, 137800, "2190"},
    {472000, 479000, "630"},
    {501000, 504000, "560"},
    {1800000, 2000000, "160"},
    {3500000, 4000000, "80"},
    {5060000, 5450000, "60"},
    {7000000, 7300000, "40"},
    {10100000, 10150000, "30"},
    {14000000, 14350000, "20"},
    {18068000, 18168000, "17"},
    {21000000, 21450000, "15"},
    {24890000, 24990000, "12"},
    {28000000, 29700000, "10"},
    {50000000, 54000000, "6"},
    {70000000, 71000000, "4"},
    {144000000, 148000000, "2"},
    {222000000, 225000000, "1.25"},
    {420000000, 450000000, "70cm"},
    {902000000, 928000000, "33cm"},
    {1240000000, 1300000000, "23cm"},
    {2300000000u, 2450000000u, "13cm"},
    {3300000000u, 3500000000u, "9cm"},
};

}  // namespace

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

}  // namespace kovra
