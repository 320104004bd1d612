#include "output/cabrillo_writer.h"

#include <unistd.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>

#include "platform/file_io.h"
#include "platform/platform_posix.h"
#include "tests/unit/plugin_fixture.h"

namespace kovra::test {
namespace {

class CabrilloLogTest : public PluginTest {
 protected:
  void AddContact(std::string_view call, uint32_t freqHz, std::string_view mode, OleDate time,
                  std::string_view exchgRcvd = "001 MA") {
    HostContact r = Report(call, "20", exchgRcvd, "UA", time);
    r.freqHz = freqHz;
    r.mode = mode;
    plugin.AddData(r);
  }
};

constexpr char kHeader[] =
    "START-OF-LOG: 3.0\r\nCONTEST: VELMORA\r\nCALLSIGN: RK3A/QRP\r\n"
    "CATEGORY-OPERATOR: A4.BPSK63\r\nCATEGORY-BAND: ALL\r\nCATEGORY-POWER: HIGH\r\n"
    "CATEGORY-OVERLAY: SO80\r\nLOCATION: \r\nCLAIMED-SCORE: 2\r\nCLUB: CCC\r\n"
    "CREATED-BY: Zelk \r\nNAME: \xC8\xE2\xE0\xED\r\nADDRESS: Lenina 1\r\nADDRESS: Moskva\r\n"
    "OPERATORS: RK3A/P\r\nEMAIL: rk3a@example.org\r\nSOAPBOX: 73!\r\n";
constexpr char kQsos[] =
    "QSO:  7035 CW 2027-03-01 0905 RK3A/QRP      599 002 MA UA3ABC        599 001 MA\r\n"
    "QSO: 144000 PH 2027-03-01 0906 RK3A/QRP      599 002 MA DL1ABC        599 123 XY\r\n"
    "QSO: 14070 PM  RK3A/QRP      599 002 MA               599 001 MA\r\n"
    "END-OF-LOG:\r\n";

TEST_F(CabrilloLogTest, WholeFileWithAndWithoutExtraHeader) {
  platform.files["Plugins\\KOVRA.ini"] =
      "[Settings]\r\nName=\xC8\xE2\xE0\xED\r\nAddress=Lenina 1<CR><LF>Moskva\r\n"
      "Email=rk3a@example.org\r\nClub=CCC\r\nSoapBox=73!\r\n";
  form.answer = [](SettingsForm& f) {
    f.callsign = "RK3A/QRP";
    f.categoryOverlay = "SO80";
    return 1;
  };
  plugin.ResetStats(1, "RK3A/P", At(12, 0));
  AddContact("UA3ABC", 7035000, "CW", MakeOleDate(2027, 3, 1, 9, 5, 40));
  AddContact("DL1ABC", 144000000, "SSB", MakeOleDate(2027, 3, 1, 9, 5, 59.6), "123XY");
  AddContact("", 14070500, "BPSK63", OleDate{});

  int score = 0;
  plugin.GetResult(&score);
  EXPECT_EQ(score, -1);
  EXPECT_EQ(platform.files["RK3A_P.cbr"], std::string(kHeader) + kQsos);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "File produced: RK3A_P.cbr");
  EXPECT_STREQ(platform.messages[0].caption, "Output");
  EXPECT_TRUE(platform.messages[0].informationIcon);
  EXPECT_TRUE(platform.messages[0].ownedByActiveWindow);

  // A second report under the same flag lists every contact once again.
  platform.files["cabrillo.ini"] = "X-ONE: 1\r\nX-TWO: 2";
  plugin.GetResult(&score);
  EXPECT_EQ(platform.files["RK3A_P.cbr"], std::string(kHeader) + "X-ONE: 1\r\nX-TWO: 2" + kQsos);
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(CabrilloLogTest, FailedWriteKeepsTheEarlierLogAndSaysSo) {
  platform.files["RK3A.cbr"] = "earlier log";
  platform.unwritable.insert("RK3A.cbr");
  plugin.ResetStats(1, "RK3A", At(12, 0));
  Add("UA3ABC");
  int score = 0;
  plugin.GetResult(&score);
  EXPECT_EQ(score, -1);
  EXPECT_EQ(platform.files["RK3A.cbr"], "earlier log");
  EXPECT_EQ(platform.messages.back().text, "File not produced: RK3A.cbr");

  platform.unwritable.clear();
  plugin.GetResult(&score);
  const std::string log = platform.files["RK3A.cbr"];
  EXPECT_EQ(log.find("QSO: "), log.rfind("QSO: ")) << log;
  EXPECT_EQ(platform.messages.back().text, "File produced: RK3A.cbr");
}

TEST(CabrilloLineTest, ShorterFieldsAreFilledAndWiderOnesPushTheLineRight) {
  StationSettings s;
  s.callsign = "UA3ABC/MM/LONG";
  AddQsoLine(s, {"UA3ABC/MM/LONG", 14070, "PM", MakeOleDate(2026, 12, 8, 14, 5, 0), "5995",
                 "0001 MAX", "59", ""});
  AddQsoLine(s, {"R1A", 144, "CW", MakeOleDate(2026, 12, 8, 14, 5, 0), "57", "001", "55", "1"});
  EXPECT_EQ(s.qsoLines,
            "QSO: 14070 PM 2026-12-08 1405 UA3ABC/MM/LONG 5995 0001 MAX UA3ABC/MM/LONG 59  \r\n"
            "QSO:   144 CW 2026-12-08 1405 UA3ABC/MM/LONG 57  001    R1A           55  1\r\n");
}

TEST(CabrilloLineTest, ModeCode) {
  const std::pair<const char*, const char*> modes[] = {
      {"CW", "CW"},     {"SSB", "PH"}, {"cw", "PM"}, {"", "PM"},
      {"BPSK63", "PM"}, {"USB", "PM"}, {"LSB", "PM"}};
  for (const auto& [mode, code] : modes) EXPECT_EQ(CabrilloModeCode(mode), code) << mode;
}

// Date-times at and beyond the ends of the years 100 to 9999, and ones no host
// should send: a date has its parts and its QSO date field; any other is in no tour.
using DateEdges = PluginTest;

TEST_F(DateEdges, OnlyDatesOfTheYears100To9999HavePartsAFieldAndATour) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr auto kValid = OleDate::Valid;
  const std::pair<OleDate, const char*> cases[] = {
      {MakeOleDate(2026, 12, 8, 23, 59, 59.6), "2026-12-09 0000"},
      {MakeOleDate(2026, 12, 8, 23, 59, 59.4), "2026-12-08 2359"},
      {MakeOleDate(100, 1, 1, 0, 0, 0), "0100-01-01 0000"},
      {{-657434.5, kValid}, "0100-01-01 1200"},
      {MakeOleDate(99, 12, 31, 23, 59, 59.6), "0100-01-01 0000"},  // rounded into the year 100
      {MakeOleDate(99, 12, 31, 23, 59, 59.4), ""},
      {{-657435.5, kValid}, ""},
      {{-657436.0, kValid}, ""},
      {MakeOleDate(9999, 12, 31, 23, 59, 59), "9999-12-31 2359"},
      {{2958465.5, kValid}, "9999-12-31 1200"},
      {MakeOleDate(9999, 12, 31, 23, 59, 59.7), ""},  // rounded into the year 10000
      {{2958466.0, kValid}, ""},
      {{2958466.5, kValid}, ""},
      {{std::numeric_limits<double>::denorm_min(), kValid}, "1899-12-30 0000"},
      {{-0.0, kValid}, "1899-12-30 0000"},
      {{std::nan(""), kValid}, ""},
      {{kInf, kValid}, ""},
      {{-kInf, kValid}, ""},
      {{DBL_MAX, kValid}, ""},
      {{-DBL_MAX, kValid}, ""},
      {{1e300, kValid}, ""},
      {{46364.5, OleDate::Invalid}, ""},
      {{46364.5, OleDate::Null}, ""},
      {{46364.5, 7}, ""},
      {{46364.5, -1}, ""},
  };
  for (const auto& [time, field] : cases) {
    const std::string name = std::to_string(time.value) + "/" + std::to_string(time.status);
    std::string text;
    AppendCabrilloDateTime(text, time);
    EXPECT_EQ(text, field) << name;
    EXPECT_EQ(ToDateTimeParts(time).has_value(), *field != '\0') << name;
    if (*field != '\0') continue;
    plugin.ResetStats(0, "RK3A", At(12, 0));
    Add("DL1ABC", "20", "001", "DL", time);
    for (const UtcTime now : {UtcTime{0, 0}, UtcTime{12, 0}}) {
      platform.now = now;
      EXPECT_EQ(plugin.CheckCall({"DL1ABC", "BPSK63", "DL", "", "20"}, nullptr), 1) << name;
    }
  }
}

// The real replacement: a failed move leaves the earlier file and no temporary file.
TEST(ReplaceWholeFileTest, FailedMoveKeepsTheEarlierFile) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("kovra_replace_" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::string name = (dir / "RK3A.cbr").string();
  ASSERT_TRUE(ReplaceWholeFile(
      name, "old", [](const char* from, const char* to) { return std::rename(from, to) == 0; }));
  EXPECT_FALSE(ReplaceWholeFile(name, "new", [](const char*, const char*) { return false; }));
  EXPECT_EQ(ReadWholeFile(name), "old");
  EXPECT_FALSE(fs::exists(name + ".tmp"));
  EXPECT_FALSE(ReplaceWholeFile((dir / "missing" / "x.cbr").string(), "new",
                                [](const char*, const char*) { return true; }));
  fs::remove_all(dir);
}

// /proc/self/mem opens but fails at the first read, like a file on a failing disk.
TEST(ReplaceWholeFileTest, AFileThatFailsPartWayIsNeitherReadNorReplaced) {
  namespace fs = std::filesystem;
  EXPECT_EQ(ReadWholeFile("/proc/self/mem"), std::nullopt);
  const fs::path dir = fs::temp_directory_path() / ("kovra_unreadable_" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path ini = dir / "KOVRA.ini";
  fs::create_symlink("/proc/self/mem", ini);
  PosixPlatform platform;
  EXPECT_FALSE(platform.WriteProfileString("Settings", "Claimed", "60", ini.string()));
  EXPECT_TRUE(fs::is_symlink(ini));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kovra::test
