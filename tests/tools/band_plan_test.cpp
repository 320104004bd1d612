#include "tools/band_plan.h"

#include <gtest/gtest.h>

namespace kovra::replay {
namespace {

TEST(BandPlan, FreqDecimalsGiveExactHertzAndSubHertzDigitsAreDropped) {
  EXPECT_EQ(ParseFreqMHz("14.0705"), 14070500u);
  EXPECT_EQ(ParseFreqMHz("1.000028"), 1000028u);  // as a double times 1e6: 1000027.99...
  EXPECT_EQ(ParseFreqMHz(" 7.\r\n"), 7000000u);
  EXPECT_EQ(ParseFreqMHz(".1357"), 135700u);
  EXPECT_EQ(ParseFreqMHz("14.0705000000000000000000009"), 14070500u);
  EXPECT_EQ(ParseFreqMHz("4294.967295"), 4294967295u);
}

TEST(BandPlan, FreqThatIsNoPlainDecimalOrBeyond32BitsOfHertzIsRefused) {
  for (const char* text : {"", ".", "abc", "-14.07", "14,07", "1e3", "14.07.1", "14.07MHz",
                           "4294.967296", "99999999999999999999999"}) {
    EXPECT_FALSE(ParseFreqMHz(text)) << text;
  }
}

TEST(BandPlan, AdifBandLosesOnlyTheMetreUnit) {
  const struct { const char *adif, *host; } cases[] = {
      {"20m", "20"}, {" 160M ", "160"}, {"1.25m", "1.25"}, {"70CM", "70cm"},
      {"6mm", "6mm"}, {"40", "40"},     {"m", "m"},        {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(BandFromAdif(c.adif), c.host) << c.adif;
}

TEST(BandPlan, FrequencyFallsInItsBandEdgesIncluded) {
  const struct { uint32_t hz; const char* band; } cases[] = {
      {3500000, "80"},   {4000000, "80"},       {3499999, ""},        {7040200, "40"},
      {14350000, "20"},  {14350001, ""},        {144300000, "2"},     {432200000, "70cm"},
      {0, ""}};
  for (const auto& c : cases) EXPECT_EQ(BandOfFrequency(c.hz), c.band) << c.hz;
}

}  // namespace
}  // namespace kovra::replay
