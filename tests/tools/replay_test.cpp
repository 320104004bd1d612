#include "tools/replay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dll/exports.h"
#include "tests/tools/scratch_dir.h"
#include "tools/native_calls.h"
#include "tools/replay_summary.h"

namespace kovra::replay {
namespace {

const char kLog[] =
    "Test log\r\n<EOH>\r\n"
    "<CALL:6>UA3ABC <QSO_DATE:8>20261205 <TIME_ON:4>1202 <BAND:3>80m <FREQ:6>3.5805 "
    "<SUBMODE:6>BPSK63 <SRX_STRING:5>005MA <STATION_CALLSIGN:6>RA3VLM <OPERATOR:5>R3VLM <EOR>\r\n"
    "<QSO_DATE:8>20261205 <TIME_ON:4>1210 <FREQ:6>7.0402 <MODE:2>CW <EOR>\r\n"
    "<CALL:6>UA3ABC <QSO_DATE:8>20261205 <TIME_ON:6>122130 <BAND:3>80m <SUBMODE:6>BPSK63 <EOR>\r\n";

class ReplayTest : public test::ScratchDirTest {
 protected:
  std::string Plan(const std::string& log, const std::string& call = "") {
    Write("log.adi", log);
    std::string error;
    return PlanReplay("log.adi", call, plan, error) ? "" : error;
  }

  ReplayPlan plan;
};

TEST_F(ReplayTest, ContestantFromCommandLineElseStationCallsignElseOperator) {
  const struct {
    const char *log, *call, *contestant;
  } cases[] = {
      {kLog, "UA3VLM", "UA3VLM"},
      {kLog, "", "RA3VLM"},
      {"<CALL:3>R3A<OPERATOR:4>R3OP<EOR><STATION_CALLSIGN:3>R3S<EOR>", "", "R3S"},
      {"<CALL:3>R3A<OPERATOR:4>R3OP<EOR>", "", "R3OP"},
      {"<CALL:3>R3A<OPERATOR:7>KE8OKM <STATION_CALLSIGN:1> <EOR>", "", "KE8OKM"},
      {"h<STATION_CALLSIGN:4>R3HD<EOH><CALL:3>R3A<EOR>", "", "R3HD"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Plan(c.log, c.call), "");
    EXPECT_EQ(plan.callsign, c.contestant);
  }
}

TEST_F(ReplayTest, BadLogsAreRefusedNamingFileAndRecord) {
  EXPECT_EQ(Plan("<CALL:3>R3A<EOR><CALL:9>R3B"),
            "log.adi: record 2: field CALL runs past the end of the file "
            "(9 bytes announced, 3 left)");
  EXPECT_EQ(Plan("h <X:4>ab").substr(0, 17), "log.adi: header: ");
  EXPECT_EQ(Plan("Header only\r\n<EOH>\r\n"), "log.adi: no QSO record");
  EXPECT_EQ(Plan("<CALL:3>R3A<EOR>"),
            "log.adi: no STATION_CALLSIGN or OPERATOR: give --call CALLSIGN");
  std::string error;
  EXPECT_FALSE(PlanReplay("missing.adi", "R3A", plan, error));
  EXPECT_EQ(error, "missing.adi: cannot be read");
  std::filesystem::create_directory("folder.adi");
  EXPECT_FALSE(PlanReplay("folder.adi", "R3A", plan, error));
  EXPECT_EQ(error, "folder.adi: cannot be read");
}

TEST_F(ReplayTest, RunResetsAddsEveryContactInOrderAndAsksTheResult) {
  ASSERT_EQ(Plan(kLog), "");
  const ReplayResult quiet = RunReplay(plan, LinkedExports(), false);
  EXPECT_EQ(quiet.resultText,
            "VELMORA 05.12.2026 \r\n     Contestant: RA3VLM\r\nBand\tQSOs\tPoints\r\n"
            "80\t 2\t 2\r\n40\t 0\t 0\r\nTotal\t 3\t 2\r\n\r\nScore: 2\r\n");
  EXPECT_EQ(quiet.score, 2);
  EXPECT_TRUE(quiet.pluginsFolder && std::filesystem::is_directory("Plugins"));
  EXPECT_EQ(quiet.cabrilloName, "");
  EXPECT_FALSE(std::filesystem::exists("RA3VLM.cbr"));

  const ReplayResult report = RunReplay(plan, LinkedExports(), true);
  EXPECT_EQ(report.score, -1);
  EXPECT_EQ(report.cabrilloName, "RA3VLM.cbr");
  EXPECT_EQ(report.cabrillo, LogOnDisk::Written);
  std::ifstream cabrillo("RA3VLM.cbr", std::ios::binary);
  std::string qsos;
  for (std::string line; std::getline(cabrillo, line);) {
    if (line.rfind("QSO: ", 0) == 0) qsos += line.substr(0, 29) + "|";
  }
  EXPECT_EQ(qsos,
            "QSO:  3580 PM 2026-12-05 1202|QSO:  7040 CW 2026-12-05 1210|"
            "QSO:  3500 PM 2026-12-05 1221|");
}

TEST_F(ReplayTest, AFileNamedPluginsIsReportedNotFatal) {
  ASSERT_EQ(Plan(kLog), "");
  Write("Plugins", "not a folder");
  const ReplayResult result = RunReplay(plan, LinkedExports(), false);
  EXPECT_FALSE(result.pluginsFolder);
  EXPECT_EQ(result.score, 2);
  EXPECT_NE(FormatReplay(plan, result, Language::English).find("No Plugins folder"),
            std::string::npos);
}

// Days apart in the same half hour are two tours; an identical record is no repeat.
TEST_F(ReplayTest, ReportIsUtf8WithRepeatsByTourAndBothTimes) {
  const std::string r3b = "<CALL:3>R3B<FREQ:3>7.1<BAND:2>40<QSO_DATE:8>2026120";
  ASSERT_EQ(Plan(std::string(kLog) + r3b + "6<TIME_ON:4>1001<EOR>" + r3b + "6<TIME_ON:4>1002<EOR>" +
                 r3b + "7<TIME_ON:4>1003<EOR>" + r3b + "6<TIME_ON:4>1002<EOR>"),
            "");
  ReplayResult result;
  result.resultText = "VELMORA 05.12.2026 \r\nScore: 2\r\n\xC2 \xD2\xD3\xD0\xC5\r\n";
  result.score = -1;
  result.pluginsFolder = true;
  result.outputBox = "File produced: RA3VLM.cbr";
  result.cabrilloName = "RA3VLM.cbr";
  result.cabrillo = LogOnDisk::Written;
  const std::string text = FormatReplay(plan, result, Language::English);
  EXPECT_EQ(
      text,
      "Replayed 7 QSO records for RA3VLM.\n\n"
      "VELMORA 05.12.2026 \nScore: 2\nВ ТУРЕ\n\n"
      "Score returned: -1\n"
      "Repeats within a tour: 2\n"
      "  tour 2026-12-05 12:00-12:29\n"
      "    UA3ABC on 80 BPSK63: record 1 at 2026-12-05 12:02:00, "
      "again record 3 at 2026-12-05 12:21:30\n"
      "  tour 2026-12-06 10:00-10:29\n"
      "    R3B on 40 : record 4 at 2026-12-06 10:01:00, again record 5 at 2026-12-06 10:02:00\n"
      "Identical records, kept once by the plug-in: 1\n"
      "    R3B on 40 : record 7 repeats record 5\n"
      "\"Output\" box: File produced: RA3VLM.cbr\n"
      "Cabrillo log: RA3VLM.cbr, written\n");
  ASSERT_EQ(Plan("<CALL:3>R3A<EOR>", "R3S"), "");
  EXPECT_NE(FormatReplay(plan, result, Language::English).find("within a tour: none\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kovra::replay
