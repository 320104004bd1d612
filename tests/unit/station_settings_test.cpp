#include "output/station_settings.h"

#include <map>

#include "output/cabrillo_writer.h"
#include "tests/unit/plugin_fixture.h"

namespace kovra::test {
namespace {

constexpr char kIni[] = "Plugins\\KOVRA.ini";
constexpr char kAddressTag[] = "\r\nADDRESS: ";

TEST(StationSettingsTest, LogBaseNameReplacesSlashesAndTrims) {
  const std::pair<const char*, const char*> cases[] = {
      {"UA3ABC/P", "UA3ABC_P"},
      {"UA3ABC\\P", "UA3ABC_P"},
      {"R/A3\\B/", "R_A3_B_"},
      {"UA3:A*B", "UA3:A*B"},
      {"", "KOVRA"},
      {" \t\r\n\v\f", "KOVRA"},
      {"  RK3A/P \r\n", "RK3A_P"},
      {" / ", "_"},
  };
  for (const auto& [call, name] : cases) EXPECT_EQ(LogBaseName(call), name) << call;
}

TEST(StationSettingsTest, ReplaceAllGoesLeftToRightWithoutOverlaps) {
  struct Case {
    const char *text, *search, *replacement, *expected;
  };
  const Case cases[] = {
      {"aaa", "aa", "b", "ba"},
      {"x<CR><CR>y", "<CR>", "\r", "x\r\ry"},
      {"abab", "ab", "abab", "abababab"},
      {"abc", "b", "b", "abc"},
      {"abc", "", "x", "abc"},
      {"", "a", "b", ""},
      {"\xC0\xC1\xC0", "\xC0", "", "\xC1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.search, c.replacement), c.expected) << c.text;
  }
}

TEST(StationSettingsTest, MultiLineValuesConvertBetweenTheirThreeForms) {
  struct Case {
    const char *file, *editing, *cabrillo;
  };
  const Case cases[] = {
      {"", "", ""},
      {"Line 1<CR><LF>Line 2", "Line 1\r\nLine 2", "Line 1\r\nADDRESS: Line 2"},
      {"a<CR>b", "a\rb", "a\r\nADDRESS: b"},
      {"a<LF>b", "a\nb", "ab"},
      {"<CR><CR>", "\r\r", "\r\nADDRESS: \r\nADDRESS: "},
      {"<CR<LF>>", "<CR\n>", "<CR>"},  // the passes run in a fixed order
      {"\xCC\xEE\xF1\xEA\xE2\xE0<CR><LF>", "\xCC\xEE\xF1\xEA\xE2\xE0\r\n",
       "\xCC\xEE\xF1\xEA\xE2\xE0\r\nADDRESS: "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileToEditing(c.file), c.editing) << c.file;
    EXPECT_EQ(EditingToFile(c.editing), c.file) << c.file;
    EXPECT_EQ(FileToCabrillo(c.file, kAddressTag), c.cabrillo) << c.file;
  }
  // Typed markers count as line breaks.
  EXPECT_EQ(FileToEditing(EditingToFile("a<CR>b")), "a\rb");
}

// The boxes of a form that show a text, by label, so a whole form compares at once.
std::map<std::string, std::string> Shown(const SettingsForm& f) {
  std::map<std::string, std::string> shown;
  for (const SettingsBox& box : kSettingsBoxes) {
    if (!(f.*box.text).empty()) shown[box.label] = f.*box.text;
  }
  return shown;
}
using Boxes = std::map<std::string, std::string>;

class SettingsStepTest : public PluginTest {
 protected:
  std::string& ini() { return platform.files[kIni]; }
  const StationSettings& settings() { return plugin.settings(); }
};

TEST_F(SettingsStepTest, FirstUseOffersTheDefaultsAndCancelWritesNothing) {
  plugin.ResetStats(0, "UA3ABC/P", At(12, 0));
  EXPECT_TRUE(form.shown.empty());
  plugin.ResetStats(1, "UA3ABC/P", At(12, 0));
  ASSERT_EQ(form.shown.size(), 1u);
  EXPECT_EQ(Shown(form.shown[0]), (Boxes{{"CALLSIGN", "UA3ABC/P"},
                                         {"CONTEST", "Velmora"},
                                         {"OPERATORS", "UA3ABC/P"},
                                         {"CATEGORY-OPERATOR", "A4.BPSK63"},
                                         {"CATEGORY-BAND", "ALL"},
                                         {"CATEGORY-POWER", "HIGH"}}));
  EXPECT_EQ(ini(), "");
  EXPECT_EQ(settings().logBaseName, "UA3ABC_P");
}

TEST_F(SettingsStepTest, OkWritesTheEightKeysInOrderAndKeepsTheBaseName) {
  ini() = "[Settings]\r\nClaimed=12\r\n";
  form.answer = [](SettingsForm& f) {
    f.callsign = "RK3A/QRP";
    f.name = "Ivan";
    f.address = "Line 1\r\nLine 2";
    f.soapbox = "73\r";
    f.claimed = "999";
    f.location = "KO85";
    f.categoryBand = "80";
    return kFormOk;
  };
  plugin.ResetStats(1, "RK3A/P", At(12, 0));
  EXPECT_EQ(ini(),
            "[Settings]\r\nClaimed=12\r\nOperators=RK3A/P\r\nName=Ivan\r\n"
            "Address=Line 1<CR><LF>Line 2\r\nCategory=A4.BPSK63\r\nContest=Velmora\r\n"
            "Email=\r\nClub=\r\nSoapBox=73<CR>\r\n");
  EXPECT_EQ(settings().callsign, "RK3A/QRP");
  EXPECT_EQ(settings().logBaseName, "RK3A_P");
  EXPECT_EQ(settings().address, "Line 1\r\nADDRESS: Line 2");
  EXPECT_EQ(settings().soapbox, "73\r\nSOAPBOX: ");
  EXPECT_EQ(settings().claimed, "12");
  EXPECT_EQ(settings().categoryBand, "80");
  EXPECT_EQ(settings().location, "");
}

TEST_F(SettingsStepTest, StoredValuesAreOfferedAndSurviveAnUnchangedOk) {
  ini() =
      "[Settings]\r\nOperators=RK3A UA3ABC\r\nAddress=Line 1<CR><LF>Line 2\r\n"
      "SoapBox=<LF>x\r\nCategory=SO\r\nContest=Other\r\nClaimed=7\r\nEmail=e@x\r\nClub=C\r\n";
  form.answer = [](SettingsForm&) { return kFormOk; };
  plugin.ResetStats(1, "RK3A", At(12, 0));
  EXPECT_EQ(Shown(form.shown[0]), (Boxes{{"CALLSIGN", "RK3A"},
                                         {"CONTEST", "Velmora"},
                                         {"CLAIMED", "7"},
                                         {"OPERATORS", "RK3A UA3ABC"},
                                         {"CLUB", "C"},
                                         {"E-MAIL", "e@x"},
                                         {"ADDRESS", "Line 1\r\nLine 2"},
                                         {"SOAPBOX", "\nx"},
                                         {"CATEGORY-OPERATOR", "A4.BPSK63"},
                                         {"CATEGORY-BAND", "ALL"},
                                         {"CATEGORY-POWER", "HIGH"}}));
  EXPECT_EQ(ini(),
            "[Settings]\r\nOperators=RK3A UA3ABC\r\nAddress=Line 1<CR><LF>Line 2\r\n"
            "SoapBox=<LF>x\r\nCategory=A4.BPSK63\r\nContest=Velmora\r\nClaimed=7\r\n"
            "Email=e@x\r\nClub=C\r\nName=\r\n");
  EXPECT_EQ(settings().address, "Line 1\r\nADDRESS: Line 2");
  EXPECT_EQ(settings().soapbox, "x");
}

TEST_F(SettingsStepTest, CancelKeepsFileAndLinesAndLeavesCabrilloForm) {
  ini() = "[Settings]\r\nAddress=a<CR><LF>b\r\nSoapBox=s<CR><LF>t\r\n";
  const std::string before = ini();
  StationSettings s;
  AddQsoLine(s, {"UA3ABC", 14070, "PM", At(14, 5), "599", "001 MA", "599", "002 MA"});
  form.answer = [](SettingsForm& f) {
    f.name = "typed";
    return kFormCancel;
  };
  s.callsign = "RK3A/QRP";  // as an earlier OK left it
  EXPECT_EQ(EditStationSettings(s, "RK3A", platform, form), 0);
  EXPECT_EQ(ini(), before);
  EXPECT_EQ(s.callsign, "RK3A");
  EXPECT_EQ(s.qsoLines.rfind("QSO: "), 0u);
  EXPECT_EQ(s.address, "a\r\nADDRESS: b");
  EXPECT_EQ(s.soapbox, "s\r\nSOAPBOX: t");
  EXPECT_EQ(s.name, "");

  form.answer = [](SettingsForm&) { return kFormOk; };
  platform.unwritable.insert(kIni);  // a failed save is ignored
  EXPECT_EQ(EditStationSettings(s, "RK3A", platform, form), 1);
  EXPECT_TRUE(s.qsoLines.empty());
  EXPECT_EQ(ini(), before);
}

TEST_F(SettingsStepTest, OverlayIsOfferedAgainWhileOtherBoxesReset) {
  form.answer = [](SettingsForm& f) {
    f.categoryOverlay = "SO80";
    f.categoryPower = "LOW";
    f.contest = "X";
    return kFormOk;
  };
  plugin.ResetStats(1, "RK3A", At(12, 0));
  form.answer = [](SettingsForm&) { return 0; };
  plugin.ResetStats(1, "RK3A", At(12, 0));
  plugin.ResetStats(1, "RK3A", At(12, 0));
  ASSERT_EQ(form.shown.size(), 3u);
  for (std::size_t i : {1u, 2u}) {
    EXPECT_EQ(form.shown[i].categoryOverlay, "SO80");
    EXPECT_EQ(form.shown[i].categoryPower, "HIGH");
    EXPECT_EQ(form.shown[i].contest, "Velmora");
  }
  EXPECT_EQ(ReadProfileValue(ini(), "Settings", "Contest", ""), "X");
}

}  // namespace
}  // namespace kovra::test
