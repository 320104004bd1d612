#include "tools/band_plan.h"

#include <gtest/gtest.h>

namespace kovra::replay {
namespace {

uint32_t Hz(const char* text) {
  const FreqReading reading = ParseFreqMHz(text);
  EXPECT_EQ(reading.status, FreqReading::Hz) << text;
  return reading.hz;
}

TEST(BandPlan, FreqDecimalsGiveExactHertzAndSubHertzDigitsAreDropped) {
  EXPECT_EQ(Hz("14.0705"), 14070500u);
  EXPECT_EQ(Hz("1.000028"), 1000028u);  // as a double times 1e6: 1000027.99...
  EXPECT_EQ(Hz(" 7.\r\n"), 7000000u);
  EXPECT_EQ(Hz(".1357"), 135700u);
  EXPECT_EQ(Hz("14.0705000000000000000000009"), 14070500u);
  EXPECT_EQ(Hz(kMaxFreqMHz), 4294967295u);
}

TEST(BandPlan, FreqThatIsNoPlainDecimalOrBeyond32BitsOfHertzIsRefused) {
  for (const char* text : {"", ".", "abc", "-14.07", "14,07", "1e3", "14.07.1", "14.07MHz",
                           "99999999999999999999999x"}) {
    EXPECT_EQ(ParseFreqMHz(text).status, FreqReading::NotANumber) << text;
  }
  for (const char* text : {"4294.967296", "10489.899880", "99999999999999999999999"}) {
    EXPECT_EQ(ParseFreqMHz(text).status, FreqReading::Above32Bits) << text;
  }
}

TEST(BandPlan, AdifBandLosesOnlyTheMetreUnit) {
  const struct {
    const char *adif, *host;
  } cases[] = {{"20m", "20"},  {" 160M ", "160"}, {"1.25m", "1.25"}, {"70CM", "70cm"},
               {"6mm", "6mm"}, {"40", "40"},      {"m", "m"},        {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(BandFromAdif(c.adif), c.host) << c.adif;
}

TEST(BandPlan, FrequencyFallsInItsBandEdgesIncluded) {
  const struct {
    uint32_t hz;
    const char* band;
  } cases[] = {{3500000, "80"},  {4000000, "80"},     {3499999, ""},
               {7040200, "40"},  {14350000, "20"},    {14350001, ""},
               {144300000, "2"}, {432200000, "70cm"}, {0, ""}};
  for (const auto& c : cases) EXPECT_EQ(BandOfFrequency(c.hz), c.band) << c.hz;
  EXPECT_EQ(BandLowerEdge("80"), 3500000u);
  EXPECT_EQ(BandLowerEdge("2"), 144000000u);
  EXPECT_EQ(BandLowerEdge("13cm"), 2300000000u);
  EXPECT_EQ(BandLowerEdge("3cm"), std::nullopt);  // beyond 32 bits of Hz
  EXPECT_EQ(BandLowerEdge("80m"), std::nullopt);  // not as the host names it
}

}  // namespace
}  // namespace kovra::replay
