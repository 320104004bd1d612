#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>

#include "tests/unit/plugin_fixture.h"

// While armed, the allocation after `allocationsLeft` more fails: a failed add must
// leave the contact log as it was, at whichever allocation it fails.
static long allocationsLeft = -1;

void* operator new(std::size_t size) {
  if (allocationsLeft >= 0 && allocationsLeft-- == 0) throw std::bad_alloc();
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace kovra::test {
namespace {

using ContactStore = PluginTest;

TEST_F(ContactStore, IdenticalReportsAreStoredOnce) {
  Add("UA3ABC");
  Add("UA3ABC");
  ASSERT_EQ(plugin.log().size(), 1u);
  EXPECT_EQ(plugin.bands().bands(), std::vector<std::string>{"20"});
  Add("DL1ABC");
  Add("UA3ABC");  // not the latest, but stored all the same
  EXPECT_EQ(plugin.log().size(), 2u);
}

// A report that differs from a stored one in a single field is a contact of its own.
TEST_F(ContactStore, EveryFieldTakesPartInIdentity) {
  using Change = void (*)(HostContact&);
  const std::pair<const char*, Change> changes[] = {
      {"call", [](HostContact& r) { r.call = "UA3ABD"; }},
      {"band", [](HostContact& r) { r.band = "40"; }},
      {"mode", [](HostContact& r) { r.mode = "bpsk63"; }},
      {"rstSent", [](HostContact& r) { r.rstSent = "579"; }},
      {"rstRcvd", [](HostContact& r) { r.rstRcvd = "579"; }},
      {"exchgSent", [](HostContact& r) { r.exchgSent = "003 MA"; }},
      {"exchgRcvd", [](HostContact& r) { r.exchgRcvd = "001 SP"; }},
      {"prefix", [](HostContact& r) { r.prefix = "UA9"; }},
      {"extra", [](HostContact& r) { r.extra = "x"; }},
      {"frequency", [](HostContact& r) { r.freqHz += 1000; }},
      {"time", [](HostContact& r) { r.time.value += 1.0 / 86400; }},
      {"time's status", [](HostContact& r) { r.time.status = OleDate::Invalid; }},
  };
  for (const auto& [field, change] : changes) {
    plugin.ResetStats(0, "RK3A", At(12, 0));
    HostContact other = Report("UA3ABC");
    change(other);
    plugin.AddData(Report("UA3ABC"));
    plugin.AddData(other);
    EXPECT_EQ(plugin.log().size(), 2u) << field;
  }
  // The same day count, however its zero is signed, and the same kHz are one contact.
  plugin.ResetStats(0, "RK3A", At(12, 0));
  for (const double day : {0.0, -0.0}) Add("UA3ABC", "20", "001 MA", "UA", {day, OleDate::Valid});
  HostContact sameKHz = Report("UA3ABC");
  plugin.AddData(sameKHz);
  sameKHz.freqHz += 400;
  plugin.AddData(sameKHz);
  EXPECT_EQ(plugin.log().size(), 2u);
}

TEST_F(ContactStore, KeepsEveryFieldOfTheReport) {
  HostContact r = Report("UA9XYZ", "40", "017 SP", "UA9");
  r.freqHz = 7035999;
  r.extra = "tail";
  r.rstSent = "579";
  r.rstRcvd = "559";
  r.time.status = OleDate::Invalid;
  EXPECT_EQ(plugin.AddData(r), 1);
  const Contact& c = *plugin.log().begin();
  EXPECT_EQ(c.call, "UA9XYZ");
  EXPECT_EQ(c.freqKHz, 7035u);
  EXPECT_EQ(c.rstSent, "579");
  EXPECT_EQ(c.rstRcvd, "559");
  EXPECT_EQ(c.time.status, OleDate::Invalid);
  EXPECT_EQ(c.time.value, r.time.value);
  EXPECT_EQ(c.exchgRcvd, "017 SP");
  EXPECT_EQ(c.exchgSent, "002 MA");
  EXPECT_EQ(c.prefix, "UA9");
  EXPECT_EQ(c.extra, "tail");
  EXPECT_EQ(c.band, "40");
  EXPECT_EQ(c.regionCode, "SP");
  EXPECT_EQ(c.maCall, "");

  r.freqHz = 999;
  r.call = "UA9XYY";
  plugin.AddData(r);
  EXPECT_EQ(std::next(plugin.log().begin())->freqKHz, 0u);
}

TEST_F(ContactStore, MarksHomeRegionsByCallForMAAndByCodeOtherwise) {
  Add("UA3ABC", "20", "001MA", "UA");
  Add("UA3ABD", "20", "001 ma", "UA");
  for (const char* foreign : {"UA3", "ua", "RA", ""}) Add("UA3ABE", "20", "001 SP", foreign);
  const std::vector<Contact> log(plugin.log().begin(), plugin.log().end());
  EXPECT_EQ(log[0].exchgRcvd, "001 MA");
  EXPECT_EQ(log[0].maCall, "UA3ABC");
  EXPECT_EQ(log[0].regionCode, "");
  EXPECT_EQ(log[1].regionCode, "ma");
  for (std::size_t i = 2; i < log.size(); ++i) {
    EXPECT_EQ(log[i].maCall + log[i].regionCode, "") << log[i].prefix;
  }
}

TEST_F(ContactStore, RemovesTheEarliestMatchOnly) {
  Add("UA3ABC", "20", "001 MA", "UA", At(14, 5));
  Add("DL1AAA");
  Add("UA3ABC", "20", "001 MA", "UA", At(14, 40));
  EXPECT_EQ(plugin.RemoveData("UA3ABC", "BPSK63", "002", "001", "20"), 1);
  ASSERT_EQ(plugin.log().size(), 2u);
  EXPECT_EQ(plugin.log().begin()->call, "DL1AAA");
  EXPECT_EQ(std::next(plugin.log().begin())->time.value, At(14, 40).value);

  for (const char* call : {"ua3abc", "UA3ABC "}) {  // no match
    EXPECT_EQ(plugin.RemoveData(call, "BPSK63", "002", "001", "20"), 1);
  }
  EXPECT_EQ(plugin.RemoveData("UA3ABC", "bpsk63", "002", "001", "20"), 1);
  EXPECT_EQ(plugin.RemoveData("UA3ABC", "BPSK63", "002", "001", "20M"), 1);
  EXPECT_EQ(plugin.log().size(), 2u);
  EXPECT_EQ(plugin.RemoveData("UA3ABC", "BPSK63", "", "001", "20"), 0);  // refused
  EXPECT_EQ(plugin.RemoveData("UA3ABC", "BPSK63", "002", "", "20"), 0);
  EXPECT_EQ(plugin.log().size(), 2u);
  EXPECT_EQ(plugin.RemoveData("UA3ABC", "BPSK63", "002", "001", "20"), 1);
  EXPECT_EQ(plugin.log().size(), 1u);
  EXPECT_EQ(plugin.bands().bands().size(), 1u);  // a removal never takes a band out
}

TEST_F(ContactStore, RemovalAndResetKeepTheIndexesExact) {
  Add("UA3ABC", "20", "001MA", "UA");
  plugin.RemoveData("UA3ABC", "BPSK63", "002", "001", "20");
  Add("UA3ABC", "20", "001MA", "UA");  // identical to the removed one: stored again
  EXPECT_EQ(plugin.log().size(), 1u);
  char message[128];
  EXPECT_EQ(plugin.CheckCall({"UA3XYZ", "BPSK63", "UA", "MA", "20"}, message), 2);
  EXPECT_EQ(plugin.CheckCall({"UA3ABC", "BPSK63", "UA", "MA", "40"}, message), 1);
  plugin.RemoveData("UA3ABC", "BPSK63", "002", "001", "20");
  EXPECT_EQ(plugin.CheckCall({"UA3ABC", "BPSK63", "UA", "MA", "40"}, message), 2);
  Add("UA3ABC", "20", "001 SP", "UA");
  plugin.ResetStats(0, "RK3A", At(12, 0));
  EXPECT_EQ(plugin.CheckCall({"UA3ABC", "BPSK63", "UA", "SP", "20"}, message), 2);
  EXPECT_NE(std::string(plugin.GetResult(nullptr)).find("Total\t 0\t 0"), std::string::npos);
}

TEST_F(ContactStore, LongRunsOfRemovalsKeepOrderAndEarliestMatches) {
  // Enough removals that the removed contacts are swept out of storage several times.
  const char* const calls[] = {"UA3AA", "UA3BB", "UA3CC"};
  std::vector<std::pair<std::string, double>> expected;  // call and time, first-stored order
  for (int round = 0; round < 40; ++round) {
    for (int minute = 0; minute < 5; ++minute) {
      const std::string call = calls[(round + minute) % 3];
      Add(call, "20", "001 MA", "UA", At(14, minute, round));
      expected.emplace_back(call, At(14, minute, round).value);
    }
    for (int k = 0; k < 4; ++k) {
      const std::string call = calls[(round + k) % 3];
      plugin.RemoveData(call, "BPSK63", "002", "001", "20");
      const auto it = std::find_if(expected.begin(), expected.end(),
                                   [&](const auto& e) { return e.first == call; });
      if (it != expected.end()) expected.erase(it);
    }
  }
  ASSERT_EQ(plugin.log().size(), expected.size());
  auto want = expected.begin();
  for (const Contact& c : plugin.log()) {
    EXPECT_EQ(c.call, want->first);
    EXPECT_EQ(c.time.value, want->second);
    ++want;
  }
}

TEST_F(ContactStore, AContactEqualToNothingIsStoredEachTimeAndRemovedCleanly) {
  // A NaN day count makes a contact unequal even to itself.
  const OleDate nan{std::numeric_limits<double>::quiet_NaN(), OleDate::Valid};
  Add("UA3ABC", "20", "001 MA", "UA", nan);
  Add("UA3ABC", "20", "001 MA", "UA", nan);
  EXPECT_EQ(plugin.log().size(), 2u);
  plugin.RemoveData("UA3ABC", "BPSK63", "002", "001", "20");
  plugin.RemoveData("UA3ABC", "BPSK63", "002", "001", "20");
  EXPECT_EQ(plugin.log().size(), 0u);
  Add("UA3ABC", "20", "001 MA", "UA", nan);  // meets no removed contact in the index
  EXPECT_EQ(plugin.log().size(), 1u);
}

TEST_F(ContactStore, ResetEmptiesTheLogAndStartsTheToolOnce) {
  Add("UA3ABC", "20");
  Add("UA3ABD", "40");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(plugin.ResetStats(0, "RK3A", At(12, 0)), 1);
  EXPECT_EQ(plugin.log().size(), 0u);
  EXPECT_TRUE(plugin.bands().bands().empty());
  EXPECT_EQ(platform.started, std::vector<std::string>{".\\Plugins\\Tovmax.exe"});
  EXPECT_EQ(platform.showModes, std::vector<int>{1});  // a normal window
  EXPECT_TRUE(form.shown.empty());
}

TEST_F(ContactStore, ReportFlagShowsTheFormAtEveryResetEvenWhenCancelled) {
  plugin.ResetStats(1, "RK3A", At(12, 0));
  Add("UA3ABC");
  plugin.ResetStats(-5, "RK3A", At(12, 0));
  EXPECT_EQ(form.shown.size(), 2u);
  EXPECT_EQ(plugin.log().size(), 0u);
}

TEST_F(ContactStore, BandListKeepsFirstSeenOrderAndExactTexts) {
  for (const char* band : {"40", "20m", "20M", "40", "", "20m"}) Add("UA3ABC", band);
  EXPECT_EQ(plugin.bands().bands(), (std::vector<std::string>{"40", "20m", "20M", ""}));
}

Contact Stored(const std::string& call, const std::string& band, const std::string& region) {
  Contact c;
  c.call = call;
  c.band = band;
  c.mode = "BPSK63";
  c.prefix = "UA";
  c.exchgRcvd = "001 " + region;
  (region == "MA" ? c.maCall : c.regionCode) = region == "MA" ? call : region;
  return c;
}

// What the log answers about a contact that a failed add must not have left behind.
std::string Answers(const ContactLog& log, const Contact& c) {
  std::string calls;
  for (const Contact& stored : log) calls += stored.call + " ";
  const bool ofStation =
      log.AnyOfStation(c.call, c.mode, c.band, [](const Contact&) { return true; });
  return calls + std::to_string(log.size()) + std::to_string(ofStation) +
         std::to_string(log.HasMaCall(c.maCall)) + std::to_string(log.HasRegionCode(c.regionCode)) +
         std::to_string(log.CountedOnBand(c.band));
}

TEST(ContactLogAdd, FailingAtAnyAllocationLeavesTheLogAsItWas) {
  // 0 stored contacts: the indexes are made; 8: both indexes grow on the next add.
  for (const int before : {0, 8}) {
    for (long failAt = 0;; ++failAt) {
      ContactLog log;
      for (int i = 0; i < before; ++i) log.Add(Stored("UA3A" + std::to_string(i), "20", "SP"));
      for (const char* region : {"MA", "TU"}) {
        const Contact next = Stored("UA9NEW" + std::string(region), "40", region);
        const std::string was = Answers(log, next);
        Contact moved = next;
        allocationsLeft = failAt;
        bool failed = false;
        try {
          log.Add(std::move(moved));
        } catch (const std::bad_alloc&) {
          failed = true;
        }
        allocationsLeft = -1;
        if (!failed) continue;
        EXPECT_EQ(Answers(log, next), was) << before << " stored, allocation " << failAt;
        EXPECT_TRUE(log.Add(Contact(next)));
        EXPECT_TRUE(log.RemoveFirst(next.call, next.mode, next.band));
        EXPECT_EQ(Answers(log, next), was);
      }
      if (log.size() == std::size_t(before) + 2) break;  // both adds went through
    }
  }
}

}  // namespace
}  // namespace kovra::test
