#include "engine/exchange.h"

#include <gtest/gtest.h>

namespace kovra {
namespace {

TEST(Exchange, AcceptsThreeOrFourDigitsButNot599) {
  for (const char* good : {"001", "123", "9999", "0599", "5990", "000"}) {
    EXPECT_TRUE(IsValidExchange(good)) << good;
  }
  for (const char* bad : {"599", "", "12", "12345", "01A", "1 2", "+12", "-12", "12\xC0"}) {
    EXPECT_FALSE(IsValidExchange(bad)) << bad;
  }
}

TEST(Exchange, HomePrefixesAreExactlyThree) {
  for (const char* home : {"UA", "UA2", "UA9"}) EXPECT_TRUE(IsHomePrefix(home)) << home;
  for (const char* foreign : {"", "ua", "Ua9", "UA3", "UB", "RA", "UA2F", "U", "UA0"}) {
    EXPECT_FALSE(IsHomePrefix(foreign)) << foreign;
  }
}

TEST(Exchange, NormalisesEveryLength) {
  struct Case {
    const char* received;
    const char* text;
    const char* region;
  } cases[] = {
      {"", " ", ""},
      {"0", "0 ", ""},
      {"00", "00 ", ""},
      {"001", "001 ", ""},
      {"001M", "001 ", ""},
      {"001MA", "001 MA", "MA"},
      {"001 MA", "001 MA", "MA"},
      {"0012MA", "001 MA", "MA"},
      {"001 MAX", "001 MA", "MA"},
      {"001 MAXY", "001 MA", "MA"},
      {"001 M", "001  M", " M"},
  };
  for (const Case& c : cases) {
    const NormalisedExchange n = NormaliseExchange(c.received);
    EXPECT_EQ(n.text, c.text) << '"' << c.received << '"';
    EXPECT_EQ(n.region, c.region) << '"' << c.received << '"';
  }
}

}  // namespace
}  // namespace kovra
