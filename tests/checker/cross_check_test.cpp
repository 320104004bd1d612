#include "checker/cross_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovra::check {
namespace {

constexpr char kA[] = "UA3AAA";  // sends "001 MO"
constexpr char kB[] = "UA3BBB";  // sends "002 MA"
constexpr char kC[] = "UA3CCC";  // sends "003 KL"
constexpr char kD[] = "UA3DDD";  // sends "004 SV"

std::string Sent(const std::string& call) {
  return call == kA ? "001 MO" : call == kB ? "002 MA" : call == kC ? "003 KL" : "004 SV";
}

// A QSO logged by `own` with `call` at `minute`, on 80 m in a digital mode, the
// exchange copied right unless `received` says otherwise.
CrossQso Q(const std::string& own, const std::string& call, std::int64_t minute, std::string received = "",
           SingleStatus single = SingleStatus::Eligible, std::string band = "80") {
  return {band, ModeClass::Digital, minute, call, Sent(own), received.empty() ? Sent(call) : received, single};
}

struct Case {
  const char* name;
  std::vector<CrossLog> logs;
  QsoStatus status;  // of the first log's first QSO
  bool unique = false;
  bool partnered = false;
};

TEST(CrossCheck, EachQsoGetsTheFirstStatusThatApplies) {
  using S = QsoStatus;
  const CrossLog b{kB, {Q(kB, kA, 720)}};
  const Case cases[] = {
      {"both logs hold it", {{kA, {Q(kA, kB, 720)}}, b}, S::Counted, false, true},
      {"across a tour's edge", {{kA, {Q(kA, kB, 719)}}, {kB, {Q(kB, kA, 721)}}}, S::Counted, false, true},
      {"ten minutes apart", {{kA, {Q(kA, kB, 710)}}, b}, S::Counted, false, true},
      {"exchange in the stored form", {{kA, {Q(kA, kB, 720, "002MA")}}, b}, S::Counted, false, true},
      {"eleven minutes apart", {{kA, {Q(kA, kB, 709)}}, b}, S::NotInLog, false, true},
      {"35 minutes apart", {{kA, {Q(kA, kB, 755)}}, b}, S::NotInLog, false, true},
      {"another band", {{kA, {Q(kA, kB, 720, "", SingleStatus::Eligible, "40")}}, b}, S::NotInLog},
      {"the other log lacks it", {{kA, {Q(kA, kB, 720)}}, {kB, {Q(kB, kC, 720)}}}, S::NotInLog},
      {"miscopied exchange", {{kA, {Q(kA, kB, 720, "002 MO")}}, b}, S::ExchangeError, false, true},
      {"busted call", {{kA, {Q(kA, "UA3BBD", 720)}}, b}, S::BustedCall, false, true},
      {"busted by a dropped character", {{kA, {Q(kA, "UA3BB", 720)}}, b}, S::BustedCall, false, true},
      {"busted by an added character", {{kA, {Q(kA, "UA3BBBX", 720)}}, b}, S::BustedCall, false, true},
      {"the other miscopied this call", {{kA, {Q(kA, kB, 720)}}, {kB, {Q(kB, "UA3AAB", 720)}}}, S::Counted, false, true},
      {"a call two edits off", {{kA, {Q(kA, "UA3BDD", 720)}}, b}, S::Counted, true},
      {"unique", {{kA, {Q(kA, "RZ9ZZZ", 720)}}, b}, S::Counted, true},
      {"held by another log", {{kA, {Q(kA, "RZ9ZZZ", 720)}}, {kB, {Q(kB, "RZ9ZZZ", 900)}}}, S::Counted},
      {"repeat", {{kA, {Q(kA, kB, 720, "", SingleStatus::Repeat)}}, b}, S::Repeat, false, true},
      {"no call", {{kA, {Q(kA, "", 720, "", SingleStatus::NoCall)}}, b}, S::NoCall},
      {"unreadable", {{kA, {Q(kA, kB, 720, "", SingleStatus::Unreadable)}}, b}, S::Unreadable},
  };
  for (const Case& c : cases) {
    const QsoVerdict v = CrossCheck(c.logs)[0].qsos[0];
    EXPECT_EQ(v.status, c.status) << c.name;
    EXPECT_EQ(v.unique, c.unique) << c.name;
    EXPECT_EQ(v.partner.has_value(), c.partnered) << c.name;
  }
}

TEST(CrossCheck, TheOtherSideOfABustAndOfAMiscopyIsCounted) {
  const auto busted = CrossCheck({{kA, {Q(kA, "UA3BBD", 720)}}, {kB, {Q(kB, kA, 720)}}});
  EXPECT_EQ(busted[1].qsos[0].status, QsoStatus::Counted);
  EXPECT_EQ(busted[1].uniques, 0);
  const auto miscopied = CrossCheck({{kA, {Q(kA, kB, 720)}}, {kB, {Q(kB, "UA3AAB", 720)}}});
  EXPECT_EQ(miscopied[1].qsos[0].status, QsoStatus::BustedCall);
}

// One record of the other log pairs with one record, the nearest, and a counted
// one before a repeat; the rest are not in that log.
TEST(CrossCheck, PairsOneToOneNearestFirstAndCountedBeforeRepeats) {
  const auto twice = CrossCheck({{kA, {Q(kA, kB, 725), Q(kA, kB, 731)}}, {kB, {Q(kB, kA, 730)}}});
  EXPECT_EQ(twice[0].qsos[0].status, QsoStatus::NotInLog);
  EXPECT_EQ(twice[0].qsos[1].status, QsoStatus::Counted);
  EXPECT_EQ(twice[1].CheckedScore(), 1);
  const auto repeat = CrossCheck(
      {{kA, {Q(kA, kB, 720), Q(kA, kB, 725, "", SingleStatus::Repeat)}}, {kB, {Q(kB, kA, 725)}}});
  EXPECT_EQ(repeat[0].qsos[0].status, QsoStatus::Counted);
  EXPECT_EQ(repeat[0].qsos[0].partner->qso, 0u);
}

// Four stations that work each other every tour; the first log's clock runs
// `fast` minutes ahead of the others.
std::vector<CrossLog> Contest(int fast) {
  std::vector<CrossLog> logs{{kA, {}}, {kB, {}}, {kC, {}}, {kD, {}}};
  for (int minute = 720; minute < 960; minute += 30) {
    for (const auto& [x, y] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{0, 3}, std::pair{1, 2},
                               std::pair{1, 3}, std::pair{2, 3}}) {
      logs[x].qsos.push_back(Q(logs[x].call, logs[y].call, minute + (x == 0 ? fast : 0)));
      logs[y].qsos.push_back(Q(logs[y].call, logs[x].call, minute));
    }
  }
  logs[0].qsos.back().minute += 9;  // 14 minutes from its partner, 9 once the clock is taken out
  return logs;
}

TEST(CrossCheck, AClockOffUpToTenMinutesIsTakenOutAndReported) {
  const auto fast = CrossCheck(Contest(5));
  EXPECT_EQ(fast[0].clockOffsetTenths, 50);
  EXPECT_TRUE(fast[0].clockOffsetTakenOut);
  EXPECT_EQ(fast[0].CheckedScore(), 24);
  EXPECT_EQ(fast[1].clockOffsetTenths, 0);
  EXPECT_EQ(fast[1].CheckedScore(), 24);
  const auto tooFar = CrossCheck(Contest(15));
  EXPECT_EQ(tooFar[0].clockOffsetTenths, 150);
  EXPECT_FALSE(tooFar[0].clockOffsetTakenOut);
  EXPECT_EQ(tooFar[0].Count(QsoStatus::NotInLog), 24);
  EXPECT_FALSE(CrossCheck({{kA, {Q(kA, kB, 720)}}})[0].clockOffsetTenths);
}

}  // namespace
}  // namespace kovra::check
