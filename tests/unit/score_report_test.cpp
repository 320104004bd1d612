#include "tests/unit/plugin_fixture.h"

namespace kovra::test {
namespace {

class ScoreReportTest : public PluginTest {
 protected:
  std::vector<std::string> RowOrder(std::initializer_list<const char*> bands) {
    plugin.ResetStats(0, "RK3A", At(12, 0));
    for (const char* band : bands) Add("UA3ABC", band);
    plugin.GetResult(nullptr);
    return plugin.bands().bands();
  }
};

TEST_F(ScoreReportTest, ResultTextForTheWorkedExample) {
  plugin.ResetStats(0, "RK3A", MakeOleDate(2026, 12, 8, 13, 45, 0));
  Add("UA3ABC", "40");
  Add("UA3ABD", "40");
  Add("", "40");
  Add("UA3ABE", "40");
  Add("DL1ABC", "80");
  int score = 0;
  const std::string text = plugin.GetResult(&score);
  EXPECT_EQ(text,
            "VELMORA 08.12.2026 \r\n     Contestant: RK3A\r\nBand\tQSOs\tPoints\r\n"
            "80\t 1\t 1\r\n40\t 3\t 3\r\nTotal\t 5\t 4\r\n\r\nScore: 4\r\n");
  EXPECT_EQ(score, 4);
  EXPECT_EQ(plugin.claimedScore(), 4);
  std::string& ini = platform.files["Plugins\\KOVRA.ini"];
  EXPECT_EQ(ini, "[Settings]\r\nClaimed=4\r\n");
  ini = "[Settings]\r\nClaimed=7\r\n";            // changed behind the plug-in's back
  EXPECT_EQ(plugin.GetResult(nullptr), text);     // a null score is not written
  EXPECT_EQ(ini, "[Settings]\r\nClaimed=4\r\n");  // written again, the score as it was
}

// The host reads the result text at any time until it asks for the next one.
TEST_F(ScoreReportTest, ResultTextLastsUntilTheNextResult) {
  Add("UA3ABC", "40");
  const char* held = plugin.GetResult(nullptr);
  const std::string text = held;
  char message[128];
  plugin.CheckCall({"UA3ABC", "BPSK63", "UA", "MA", "40"}, message);
  plugin.CheckCall({"DL1ABC", "BPSK63", "DL", "", "40"}, message);
  plugin.AddData(Report("DL1ABC", "80"));
  plugin.RemoveData("DL1ABC", "BPSK63", "002", "001", "80");
  plugin.ResetStats(0, "RK3A", At(12, 0));
  EXPECT_EQ(std::string(held), text);
}

TEST_F(ScoreReportTest, BeforeAnyResetTheReportIsEmpty) {
  int score = 7;
  EXPECT_EQ(std::string(plugin.GetResult(&score)),
            "VELMORA  \r\n     Contestant: \r\nBand\tQSOs\tPoints\r\nTotal\t 0\t 0\r\n\r\n"
            "Score: 0\r\n");
  EXPECT_EQ(score, 0);
}

TEST_F(ScoreReportTest, BandsRunByPaddedKeyDescending) {
  using V = std::vector<std::string>;
  EXPECT_EQ(RowOrder({"20", "160", "10", "80", "15", "40"}),
            (V{"160", "80", "40", "20", "15", "10"}));
  EXPECT_EQ(RowOrder({"7", "14", "3.5"}), (V{"3.5", "14", "7"}));
  EXPECT_EQ(RowOrder({"20m", "20M"}), (V{"20m", "20M"}));
  EXPECT_EQ(RowOrder({"5", "05", "10"}), (V{"10", "05", "5"}));  // ties keep the swaps' order
  EXPECT_EQ(RowOrder({"5", "05"}), (V{"5", "05"}));              // a tie alone is no swap
  EXPECT_EQ(RowOrder({"\xC0", "123456789012345678901", "2"}),
            (V{"123456789012345678901", "\xC0", "2"}));  // 21 characters are not padded
}

TEST_F(ScoreReportTest, RemovedBandsKeepAZeroRowAndRepeatsCountTwice) {
  plugin.ResetStats(0, "RK3A", At(12, 0));
  Add("UA3ABC", "20", "001 MA", "UA", At(14, 5));
  Add("UA3ABC", "20", "001 MA", "UA", At(14, 6));
  Add("DL1ABC", "40");
  plugin.RemoveData("DL1ABC", "BPSK63", "002", "001", "40");
  int score = 0;
  const std::string text = plugin.GetResult(&score);
  EXPECT_NE(text.find("40\t 0\t 0\r\n20\t 2\t 2\r\nTotal\t 2\t 2\r\n"), std::string::npos) << text;
  EXPECT_EQ(score, 2);
}

TEST_F(ScoreReportTest, ReportFlagWritesTheLogAndHandsBackMinusOne) {
  std::string& ini = platform.files["Plugins\\KOVRA.ini"];
  ini = "[Settings]\r\nClaimed=1\r\n";
  plugin.ResetStats(1, "RK3A", At(12, 0));
  Add("UA3ABC");
  ini = "[Settings]\r\nClaimed=7\r\n";  // changed behind the plug-in's back
  int score = 0;
  const std::string text = plugin.GetResult(&score);
  EXPECT_EQ(ini, "[Settings]\r\nClaimed=1\r\n");  // written though the score is as it was
  EXPECT_EQ(score, -1);
  EXPECT_NE(text.find("\r\nScore: 1\r\n"), std::string::npos);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_STREQ(platform.messages[0].caption, "Output");
  EXPECT_EQ(platform.messages[0].text, "File produced: RK3A.cbr");

  plugin.SetupSet();  // the other box: no caption, icon or owner of its own
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "No additional setup for this contest");
  EXPECT_EQ(platform.messages[1].caption, nullptr);
  EXPECT_FALSE(platform.messages[1].informationIcon || platform.messages[1].ownedByActiveWindow);
}

}  // namespace
}  // namespace kovra::test
