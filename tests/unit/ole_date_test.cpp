#include "platform/ole_date.h"

#include <gtest/gtest.h>

namespace kovra {
namespace {

DateTimeParts Parts(const OleDate& d) {
  const auto p = ToDateTimeParts(d);
  EXPECT_TRUE(p.has_value());
  return p.value_or(DateTimeParts{});
}

TEST(OleDate, KnownDaysAndRounding) {
  EXPECT_EQ(MakeOleDate(1899, 12, 30, 0, 0, 0).value, 0.0);
  EXPECT_EQ(MakeOleDate(2026, 12, 8, 0, 0, 0).value, 46364.0);
  const DateTimeParts p = Parts(MakeOleDate(2026, 3, 1, 9, 5, 59.6));
  EXPECT_EQ(p.year * 10000 + p.month * 100 + p.day, 20260301);
  EXPECT_EQ(p.hour * 100 + p.minute, 906);
  EXPECT_EQ(p.second, 0);
  const DateTimeParts midnight = Parts(MakeOleDate(2026, 12, 31, 23, 59, 59.7));
  EXPECT_EQ(midnight.year, 2027);
  EXPECT_EQ(midnight.hour, 0);
}

TEST(OleDate, NegativeDaysCountBackButTimeRunsForward) {
  const DateTimeParts p = Parts({-1.25, OleDate::Valid});
  EXPECT_EQ(p.year * 10000 + p.month * 100 + p.day, 18991229);
  EXPECT_EQ(p.hour, 6);
  const DateTimeParts r = Parts(MakeOleDate(1850, 6, 15, 18, 30, 0));
  EXPECT_EQ(r.year * 10000 + r.month * 100 + r.day, 18500615);
  EXPECT_EQ(r.hour * 100 + r.minute, 1830);
}

TEST(OleDate, LocaleTextIsDayMonthYear) {
  EXPECT_EQ(LocaleDateText(MakeOleDate(2026, 12, 8, 13, 45, 0)), "08.12.2026 13:45:00");
  EXPECT_EQ(LocaleDateText({0, OleDate::Null}), "");
}

}  // namespace
}  // namespace kovra
