#include "tools/country_prefix.h"

#include <gtest/gtest.h>

namespace kovra::replay {
namespace {

TEST(CountryPrefix, DxccGivesTheHomePrefixesElseTheCallDecides) {
  const struct {
    const char *dxcc, *call, *prefix;
  } cases[] = {
      {"54", "DL1ABC", "UA"},
      {"126", "UA3ABC", "UA2"},
      {"15", "UA3ABC", "UA9"},
      {" 054 ", "DL1ABC", "UA"},
      {"230", "DL1ABC", "DL1"},
      {"", "RA9XYZ", "UA9"},
      {"abc", "OK1XYZ", "OK1"},
      {"99999999999", "R2FAA", "UA2"},
      // Russian calls by their first digit; 2 counts only before F or K.
      {"", "UA3ABC", "UA"},
      {"", "R3AA", "UA"},
      {"", "UA0ZZ", "UA9"},
      {"", "UI8A", "UA9"},
      {"", "R2FAA", "UA2"},
      {"", "UA2KAA", "UA2"},
      {"", "UA2ABC", "UA"},
      {"", "RAEM", "UA"},
      {"", "ua9abc", "UA9"},
      // Others up to the first digit; only the part before a slash counts.
      {"", "OK1XYZ", "OK1"},
      {"", "UJ8AA", "UJ8"},
      {"", "9A1AA", "9"},
      {"", "TEST", "TEST"},
      {"", "", ""},
      {"", "UA3ABC/P", "UA"},
      {"", "DL/UA3ABC", "DL"},
      {"", "/P", ""},
      {"", "D-L1", "D"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountryPrefix(c.dxcc, c.call), c.prefix) << c.dxcc << " " << c.call;
  }
}

}  // namespace
}  // namespace kovra::replay
