// The plug-in's own Cabrillo log, written through the core and read back.
#include <gtest/gtest.h>

#include "checker/log_check.h"
#include "tests/unit/plugin_fixture.h"

namespace kovra::test {
namespace {

class OwnLogTest : public PluginTest {
 protected:
  void Add(std::string_view call, uint32_t freqHz, std::string_view mode, int minute,
           std::string_view exchgRcvd) {
    HostContact r = Report(call, "80", exchgRcvd, "UA", At(12, minute));
    r.freqHz = freqHz;
    r.mode = mode;
    plugin.AddData(r);
  }
};

TEST_F(OwnLogTest, ReadsBackEveryColumnWithNoErrorAndTheSponsorsCounts) {
  form.answer = [](SettingsForm& f) {
    f.callsign = "UA3ABC/MM/LONG";  // wider than its column: the rest of each line moves right
    return 1;
  };
  plugin.ResetStats(1, "RA3VLM", At(12, 0));
  Add("UA3ABC", 3580000, "BPSK63", 2, "005MA");
  Add("", 7040000, "BPSK63", 5, "019 MA");
  Add("DL1ABC", 14070000, "CW", 6, "023");
  Add("UA3ABC", 3581000, "BPSK31", 21, "006 MA");  // another mode of the host, one code: a repeat
  Add("R2FAA", 14200000, "SSB", 31, "004 KL");
  int score = 0;
  plugin.GetResult(&score);

  const check::LogCheck log = check::CheckLog(platform.files["RA3VLM.cbr"]);
  EXPECT_EQ(check::CountOf(log.findings, check::Severity::Error), 0);
  ASSERT_EQ(log.qsos.size(), 5u);
  EXPECT_EQ(log.noCall, 1);
  EXPECT_EQ(log.repeats, 1);
  EXPECT_EQ(log.checkedScore, 3);
  EXPECT_EQ(log.claimedScore, 4);
  EXPECT_EQ(log.qsos[3].repeatOf, log.qsos[0].line);
  EXPECT_EQ(log.qsos[0].fields.ownCall, "UA3ABC/MM/LONG");
  EXPECT_EQ(log.qsos[0].fields.sent, "002 MA");
  EXPECT_EQ(log.qsos[0].fields.received, "005 MA");
  EXPECT_EQ(log.qsos[1].fields.call, "");
  EXPECT_EQ(log.qsos[1].fields.received, "019 MA");
  EXPECT_EQ(log.qsos[2].fields.received, "023");
}

}  // namespace
}  // namespace kovra::test
