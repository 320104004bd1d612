// The Cabrillo log when the file system is against it: the operator is told,
// an earlier log stays whole, and no temporary file is left behind.
#include <set>

#include "output/settings_form_boxes.h"
#include "plugin_calls/window_driver_win32.h"
#include "tests/host/reporting_host_win32.h"

namespace kovra::host {
namespace {

class CabrilloFaults : public ReportingHost {
 protected:
  // One contact, then a result with the report flag.
  Report ReportOneContact(Text callsign = kOwnCall) {
    ResetForReport(callsign);
    dll().AddData(SampleContact("DL1ABC"));
    return ResultWithReport();
  }

  static std::set<std::string> Entries(const std::string& where) {
    std::set<std::string> names;
    WIN32_FIND_DATAA entry;
    const HANDLE find = FindFirstFileA((where + "*").c_str(), &entry);
    do names.insert(entry.cFileName);
    while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
  }
};

const std::string kOneContactLog =
    DefaultHeader(1) + SampleQsoLine("DL1ABC", "001 MA") + "END-OF-LOG:\r\n";

TEST_F(CabrilloFaults, LogNameTakenByADirectoryIsReportedAndLeftAlone) {
  ASSERT_TRUE(CreateDirectoryA(kOwnLog, nullptr));
  const Report report = ReportOneContact();
  EXPECT_EQ(report.message, "File not produced: UA3ABC.cbr");
  EXPECT_TRUE(Contains(report.text, "\r\nScore: 1\r\n"));
  EXPECT_EQ(report.score, -1);
  EXPECT_TRUE(IsDirectory(kOwnLog));
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(CabrilloFaults, ReadOnlyEarlierLogIsNeitherReplacedNorTruncated) {
  const std::string earlier = "START-OF-LOG: 3.0\r\nEND-OF-LOG:\r\n";
  Spill(kOwnLog, earlier);
  ASSERT_TRUE(SetFileAttributesA(kOwnLog, FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ReportOneContact().message, "File not produced: UA3ABC.cbr");
  EXPECT_EQ(Slurp(kOwnLog), earlier);
  EXPECT_EQ(GetFileAttributesA(kOwnLog) & FILE_ATTRIBUTE_READONLY, DWORD(FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(Leftovers().empty());
}

// A temporary name that cannot be written, as a crash might leave it.
TEST_F(CabrilloFaults, BlockedTemporaryKeepsTheEarlierLogUntilItClears) {
  ASSERT_EQ(ReportOneContact().message, "File produced: UA3ABC.cbr");
  ASSERT_EQ(Slurp(kOwnLog), kOneContactLog);
  const std::string blocker = std::string(kOwnLog) + ".tmp";
  ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), nullptr));
  dll().AddData(SampleContact("DL2ABC"));
  EXPECT_EQ(ResultWithReport().message, "File not produced: UA3ABC.cbr");
  EXPECT_EQ(Slurp(kOwnLog), kOneContactLog);

  ASSERT_TRUE(RemoveDirectoryA(blocker.c_str()));
  EXPECT_EQ(ResultWithReport().message, "File produced: UA3ABC.cbr");
  EXPECT_TRUE(Contains(Slurp(kOwnLog), SampleQsoLine("DL2ABC", "001 MA") + "END-OF-LOG:\r\n"));
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(CabrilloFaults, NamesTheFileSystemRejectsAreReportedAndLeaveNothing) {
  const std::set<std::string> before = Entries(dir());
  for (const char* callsign : {"CON", "UA3*ABC", "UA3?ABC", "UA3<ABC", "UA3|ABC", "UA3\"ABC"}) {
    const Report report = ReportOneContact(callsign);
    EXPECT_EQ(report.message, "File not produced: " + std::string(callsign) + ".cbr");
    EXPECT_TRUE(Contains(report.text, "Contestant: " + std::string(callsign) + "\r\n"));
    EXPECT_EQ(Entries(dir()), before) << callsign;
  }
}

TEST_F(CabrilloFaults, TenMegabyteExtraHeaderIsCopiedWhole) {
  std::string extra(10 * 1024 * 1024, '\0');
  for (std::size_t i = 0; i < extra.size(); ++i) extra[i] = char(i * 7 % 256);
  Spill("cabrillo.ini", extra);
  EXPECT_EQ(ReportOneContact().message, "File produced: UA3ABC.cbr");
  EXPECT_TRUE(Slurp(kOwnLog) ==
              DefaultHeader(1) + extra + SampleQsoLine("DL1ABC", "001 MA") + "END-OF-LOG:\r\n");
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(CabrilloFaults, UnreadableExtraHeaderIsLeftOut) {
  ASSERT_TRUE(CreateDirectoryA("cabrillo.ini", nullptr));
  EXPECT_EQ(ReportOneContact().message, "File produced: UA3ABC.cbr");
  EXPECT_EQ(Slurp(kOwnLog), kOneContactLog);

  ASSERT_TRUE(RemoveDirectoryA("cabrillo.ini"));
  Spill("cabrillo.ini", "CLUB-EXTRA: hidden\r\n");
  const HANDLE held = CreateFileA("cabrillo.ini", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const Report report = ReportOneContact();
  CloseHandle(held);
  EXPECT_EQ(report.message, "File produced: UA3ABC.cbr");
  EXPECT_EQ(Slurp(kOwnLog), kOneContactLog);
  EXPECT_TRUE(Leftovers().empty());
}

// Made by read-only-dir.sh before the suite: immutable, so even root cannot write.
TEST_F(CabrilloFaults, ReadOnlyCurrentDirectoryIsReadAndLeftAsItWas) {
  const std::string readOnly = ProgramDir() + "..\\read-only-cwd\\";
  const std::string ini = "[Settings]\r\nName=Ivan\r\n";
  if (Slurp(readOnly + "Plugins\\KOVRA.ini") != ini) GTEST_SKIP() << "no read-only directory";
  ASSERT_TRUE(SetCurrentDirectoryA(readOnly.c_str()));
  const std::set<std::string> before = Entries(readOnly);
  ResetForReport(kOwnCall, [](HWND form) {
    EXPECT_EQ(ItemText(form, IDC_NAME), "Ivan");
    SetDlgItemTextA(form, IDC_NAME, "Petr");
    PressButton(form, IDOK);
  });
  dll().AddData(SampleContact("DL1ABC"));
  const Report report = ResultWithReport();
  EXPECT_EQ(report.message, "File not produced: UA3ABC.cbr");
  EXPECT_TRUE(Contains(report.text, "\r\nScore: 1\r\n"));
  EXPECT_EQ(report.score, -1);
  EXPECT_EQ(Slurp("Plugins\\KOVRA.ini"), ini);
  EXPECT_EQ(Entries(readOnly), before);
}

}  // namespace
}  // namespace kovra::host
