#include "tests/unit/plugin_fixture.h"

namespace kovra::test {
namespace {

class TourCheck : public PluginTest {
 protected:
  std::string message = "untouched";

  int Check(const char* call, const char* prefix = "DL", const char* region = "",
            const char* band = "20", const char* mode = "BPSK63") {
    char buffer[256] = "untouched";
    std::optional<std::string_view> p;
    if (prefix) p = prefix;
    const int code = plugin.CheckCall({call, mode, p, region, band}, buffer);
    message = buffer;
    return code;
  }
};

TEST_F(TourCheck, RefusesARepeatWithinTheHalfHour) {
  Add("DL1ABC", "20", "001", "DL", At(14, 30));
  platform.now = {14, 59};
  EXPECT_EQ(Check("DL1ABC"), 0);
  EXPECT_EQ(message, "QSO c DL1ABC" + RefusalMessage("").substr(6));
  platform.now = {15, 0};
  EXPECT_EQ(Check("DL1ABC"), 1);
  EXPECT_EQ(message, "untouched");
}

TEST_F(TourCheck, TourBoundaries) {
  struct Case {
    OleDate logged;
    UtcTime now;
    int expected;
  } cases[] = {
      {At(14, 29), {14, 31}, 1},
      {At(14, 30), {14, 59}, 0},
      {At(14, 29, 59.6), {14, 30}, 0},
      {At(14, 29, 59.4), {14, 30}, 1},
      {At(14, 10, 0, 7), {14, 20}, 0},
      {At(13, 10), {14, 10}, 1},
      {{At(14, 10).value, OleDate::Invalid}, {14, 10}, 1},
      {{At(14, 10).value, OleDate::Null}, {14, 10}, 1},
  };
  for (const Case& c : cases) {
    plugin.ResetStats(0, "RK3A", At(12, 0));
    Add("DL1ABC", "20", "001", "DL", c.logged);
    platform.now = c.now;
    EXPECT_EQ(Check("DL1ABC"), c.expected)
        << c.logged.value << " at " << c.now.hour << ':' << c.now.minute;
  }
}

TEST_F(TourCheck, OnlyTheSameCallBandAndModeRepeat) {
  Add("DL1ABC", "20", "001", "DL", At(14, 5));
  EXPECT_EQ(Check("DL1ABC", "DL", "", "40"), 1);
  EXPECT_EQ(Check("DL1ABC", "DL", "", "20", "CW"), 1);
  EXPECT_EQ(Check("dl1abc"), 1);
  EXPECT_EQ(Check("DL1ABC", "DL", "", "20", "bpsk63"), 1);
  EXPECT_EQ(Check("DL1ABC", "DL", "", "20M"), 1);
  EXPECT_EQ(Check("DL1ABC", nullptr), 0);
  EXPECT_EQ(message, "QSO c DL1ABC" + RefusalMessage("").substr(6));
}

// The station's contact of this tour refuses the call whether it was logged first,
// last or between contacts of other tours, with other stations' contacts around.
TEST_F(TourCheck, AnyContactOfTheCurrentTourRefuses) {
  platform.now = {14, 10};
  for (int current = 0; current < 3; ++current) {
    plugin.ResetStats(0, "RK3A", At(12, 0));
    for (int k = 0; k < 3; ++k) {
      Add("DL1ABC", "20", "001", "DL", k == current ? At(14, 5) : At(12 - k, 5));
      Add("DL2XYZ", "20", "001", "DL", At(14, 5));
    }
    EXPECT_EQ(Check("DL1ABC"), 0) << "the contact of this tour is number " << current + 1;
  }
}

TEST_F(TourCheck, NullPrefixRefusesWithoutAMessage) {
  EXPECT_EQ(Check("UA3ABC", nullptr), 0);
  EXPECT_EQ(message, "untouched");
}

TEST_F(TourCheck, NewRegionCountsMAByCallAndOthersByCode) {
  EXPECT_EQ(Check("UA3ABC", "UA", "MA"), 2);  // empty log
  EXPECT_EQ(Check("DL1ABC", "DL", "MA"), 1);
  Add("UA3AAA", "40", "001MA", "UA", At(13, 0));
  Add("DL1ABC", "40", "001", "DL", At(13, 0));
  EXPECT_EQ(Check("UA3ABC", "UA", "MA"), 2);  // another MA station
  EXPECT_EQ(Check("UA3AAA", "UA", "MA"), 1);  // this one is logged
  EXPECT_EQ(Check("UA9AAA", "UA9", ""), 1);   // empty code meets the empty codes
  EXPECT_EQ(Check("UA9AAA", "UA9", "SP"), 2);
  Add("UA9BBB", "80", "002 SP", "UA9", At(9, 0));
  EXPECT_EQ(Check("UA9AAA", "UA9", "SP"), 1);
  EXPECT_EQ(Check("UA9AAA", "UA3", "NO"), 1);  // foreign prefix: no region pass
}

TEST_F(TourCheck, RefusalMessageBytes) {
  // " В ОДНОМ и ТОМ ЖЕ ТУРЕ ПРОВОДИТЬ НЕЛЬЗЯ !!!" in code page 1251, byte by byte.
  const unsigned char tail[] = {' ',  0xC2, ' ',  0xCE, 0xC4, 0xCD, 0xCE, 0xCC, ' ',  0xE8, ' ',
                                0xD2, 0xCE, 0xCC, ' ',  0xC6, 0xC5, ' ',  0xD2, 0xD3, 0xD0, 0xC5,
                                ' ',  0xCF, 0xD0, 0xCE, 0xC2, 0xCE, 0xC4, 0xC8, 0xD2, 0xDC, ' ',
                                0xCD, 0xC5, 0xCB, 0xDC, 0xC7, 0xDF, ' ',  '!',  '!',  '!'};
  const std::string expected =
      "QSO c UA3ABC" + std::string(reinterpret_cast<const char*>(tail), sizeof tail);
  EXPECT_EQ(RefusalMessage("UA3ABC"), expected);
  EXPECT_EQ(expected.size(), 49u + 6u);
}

}  // namespace
}  // namespace kovra::test
