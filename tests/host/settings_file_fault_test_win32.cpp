// The settings file when it cannot be kept: the result and the log go on, the
// form still opens with what can be read.
#include "output/settings_form_boxes.h"
#include "tests/host/reporting_host_win32.h"
#include "plugin_calls/window_driver_win32.h"

namespace kovra::host {
namespace {

constexpr char kIni[] = "Plugins\\KOVRA.ini";

class SettingsFileFaults : public ReportingHost {
 protected:
  // Without the report flag, then with it and the form confirmed as `operate` leaves it.
  void ExpectResultAndLog(const std::function<void(HWND)>& operate, const std::string& header) {
    dll().AddData(SampleContact("DL1ABC"));
    int score = 0;
    EXPECT_TRUE(Contains(std::string(dll().GetResult0(&score)), "\r\nScore: 1\r\n"));
    EXPECT_EQ(score, 1);
    ResetForReport(kOwnCall, operate);
    dll().AddData(SampleContact("DL1ABC"));
    EXPECT_EQ(ResultWithReport().message, "File produced: UA3ABC.cbr");
    EXPECT_EQ(Slurp(kOwnLog), header + SampleQsoLine("DL1ABC", "001 MA") + "END-OF-LOG:\r\n");
  }
};

void ConfirmDefaults(HWND form) {
  EXPECT_EQ(ItemText(form, IDC_OPERATORS), "UA3ABC");
  EXPECT_EQ(ItemText(form, IDC_CLAIMED), "");
  PressButton(form, IDOK);
}

TEST_F(SettingsFileFaults, NoPluginsFolder) {
  ASSERT_TRUE(RemoveDirectoryA("Plugins"));
  ExpectResultAndLog(ConfirmDefaults, DefaultHeader(1));
  EXPECT_FALSE(Exists("Plugins"));
}

TEST_F(SettingsFileFaults, SettingsFileTakenByADirectory) {
  ASSERT_TRUE(CreateDirectoryA(kIni, nullptr));
  ExpectResultAndLog(ConfirmDefaults, DefaultHeader(1));
  EXPECT_TRUE(IsDirectory(kIni));
}

// Whether the platform then refuses the writes is its own business (Wine run
// as root does not); the plug-in reads what is there and goes on either way.
TEST_F(SettingsFileFaults, ReadOnlySettingsFile) {
  Spill(kIni, "[Settings]\r\nName=Ivan\r\nClaimed=5\r\n");
  ASSERT_TRUE(SetFileAttributesA(kIni, FILE_ATTRIBUTE_READONLY));
  std::string header = DefaultHeader(1);
  header.replace(header.find("NAME: "), 6, "NAME: Petr");
  ExpectResultAndLog(
      [](HWND form) {
        EXPECT_EQ(ItemText(form, IDC_NAME), "Ivan");
        SetDlgItemTextA(form, IDC_NAME, "Petr");
        PressButton(form, IDOK);
      },
      header);
  EXPECT_EQ(GetFileAttributesA(kIni) & FILE_ATTRIBUTE_READONLY, DWORD(FILE_ATTRIBUTE_READONLY));
}

TEST_F(SettingsFileFaults, StoredValuesLongerThanTheReadBufferAreCut) {
  const std::string name(64 * 1024, 'N');
  Spill(kIni, "[Settings]\r\nName=" + name + "\r\n");
  std::string header = DefaultHeader(1);
  header.replace(header.find("NAME: "), 6, "NAME: " + name.substr(0, 9999));
  ExpectResultAndLog(
      [](HWND form) {
        EXPECT_EQ(ItemText(form, IDC_NAME).size(), 9999u);
        PressButton(form, IDOK);
      },
      header);
}

}  // namespace
}  // namespace kovra::host
