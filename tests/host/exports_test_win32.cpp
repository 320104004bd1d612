// Every export called through the real DLL with the host's argument layouts.
#include "plugin_calls/window_driver_win32.h"
#include "tests/host/reporting_host_win32.h"

#include <oleauto.h>
#include <tlhelp32.h>

namespace kovra::host {
namespace {

using Exports = ReportingHost;

// A visible top-level window of the calling thread, active as the host's main
// window is while the operator works in it.
class ActiveWindow {
 public:
  ActiveWindow()
      : window_(CreateWindowExA(0, "STATIC", "Zelk", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                200, nullptr, nullptr, nullptr, nullptr)) {
    SetActiveWindow(window_);
  }
  ~ActiveWindow() { DestroyWindow(window_); }
  ActiveWindow(const ActiveWindow&) = delete;
  ActiveWindow& operator=(const ActiveWindow&) = delete;
  HWND handle() const { return window_; }

 private:
  HWND window_;
};

ContactArgs Contact(Text call, Text band, const OleDate& time, Text prefix = "DL",
                    Text exchgRcvd = "001") {
  ContactArgs c;
  c.call = call;
  c.time = time;
  c.freqHz = 14070500;
  c.mode = "BPSK63";
  c.rstSent = c.rstRcvd = "599";
  c.exchgSent = "001";
  c.exchgRcvd = exchgRcvd;
  c.prefix = prefix;
  c.band = band;
  return c;
}

std::string Result(const PluginCalls& dll, int* score = nullptr) {
  int ignored = 0;
  return dll.GetResult0(score ? score : &ignored);
}

// Whether a process of this program file runs.
bool Running(const char* program) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32First(snapshot, &entry); more && !found;
       more = Process32Next(snapshot, &entry)) {
    found = lstrcmpiA(entry.szExeFile, program) == 0;
  }
  CloseHandle(snapshot);
  return found;
}

// What a message box without a caption of its own shows in this process.
std::string DefaultCaption() {
  std::string caption;
  ModalOperator probe(nullptr, [&](HWND box) {
    caption = WindowText(box);
    PressButton(box, IDOK);
  });
  MessageBoxA(nullptr, "probe", nullptr, MB_OK);
  return caption;
}

TEST_F(Exports, FixedAnswers) {
  EXPECT_EQ(dll().GetNumberOfSets(), 1);
  EXPECT_EQ(dll().GetNumberOfSets(), 1);
  EXPECT_STREQ(dll().GetSetName(0), "velmora");
  for (int index : {1, 2, -1}) {
    ASSERT_NE(dll().GetSetName(index), nullptr);
    EXPECT_STREQ(dll().GetSetName(index), "");
  }
  EXPECT_EQ(dll().GetExchgCount0(nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(dll().IsValidExchg0("0599", nullptr, nullptr, nullptr, 0, 0, 0), 1);
  EXPECT_EQ(dll().IsValidExchg0("599", nullptr, nullptr, nullptr, 0, 0, 0), 0);
  EXPECT_EQ(dll().IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
}

TEST_F(Exports, SetupShowsItsBoxEveryCallAndChangesNothing) {
  const std::string caption = DefaultCaption();
  const ActiveWindow host;  // the box is not given it as owner
  dll().AddData(Contact("DL1ABC", "20", UtcNowMinus(0)));
  for (int call = 0; call < 2; ++call) {
    std::string text, title;
    HWND owner = host.handle();
    int buttons = 0;
    ModalOperator op(nullptr, [&](HWND box) {
      text = ItemText(box, 0xFFFF);
      title = WindowText(box);
      owner = GetWindow(box, GW_OWNER);
      for (HWND b = FindWindowExA(box, nullptr, "Button", nullptr); b;
           b = FindWindowExA(box, b, "Button", nullptr)) {
        if (IsWindowVisible(b)) ++buttons;
      }
      PressButton(box, IDOK);
    });
    dll().SetupSet0();
    ASSERT_TRUE(op.Operated());
    EXPECT_EQ(text, "No additional setup for this contest");
    EXPECT_EQ(title, caption);
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(buttons, 1);
  }
  EXPECT_NE(Result(dll()).find("Total\t 1\t 1\r\n"), std::string::npos);
}

TEST_F(Exports, OutputBoxInformsOverTheActiveWindow) {
  const ActiveWindow host;
  ResetForReport();
  SetActiveWindow(host.handle());  // as the host is again once the form has closed
  const Report report = ResultWithReport();
  EXPECT_EQ(report.message, "File produced: UA3ABC.cbr");
  EXPECT_EQ(report.owner, host.handle());
  EXPECT_EQ(report.icon, LoadIconA(nullptr, IDI_INFORMATION));
}

TEST_F(Exports, ExternalToolStartsOnceOverThreeResets) {
  ASSERT_TRUE(CopyFileA((ProgramDir() + "fake_tool.exe").c_str(),
                        (dir() + "Plugins\\Tovmax.exe").c_str(), FALSE));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(dll().ResetStats(0, "RK3A", UtcNowMinus(0)), 1);
  // Each copy started runs from its start on: when none runs, all have written.
  for (int i = 0; i < 500 && Running("Tovmax.exe"); ++i) Sleep(20);
  EXPECT_EQ(Slurp(dir() + "Plugins\\tovmax.log"), "started 1\n");  // once, in a normal window
}

TEST_F(Exports, TitleDateIsTheStartOfTheLocaleDateText) {
  const OleDate date = MakeOleDate(2026, 12, 8, 13, 45, 0);
  BSTR text = nullptr;
  ASSERT_EQ(VarBstrFromDate(date.value, LANG_USER_DEFAULT, 0, &text), S_OK);
  char narrow[64] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
  SysFreeString(text);
  dll().ResetStats(0, "RK3A", date);
  EXPECT_EQ(Result(dll()).substr(0, 40),
            ("VELMORA " + std::string(narrow).substr(0, 10) + " \r\n     Contestant: RK3A\r\n")
                .substr(0, 40));
}

TEST_F(Exports, ResultCountsBandsAndStoresTheClaimedScore) {
  int score = 99;
  EXPECT_EQ(
      Result(dll(), &score),
      "VELMORA  \r\n     Contestant: \r\nBand\tQSOs\tPoints\r\nTotal\t 0\t 0\r\n\r\nScore: 0\r\n");
  EXPECT_EQ(score, 0);
  dll().ResetStats(0, "RK3A", OleDate{0, OleDate::Null});
  dll().AddData(Contact("DL1ABC", "40", UtcNowMinus(90)));
  dll().AddData(Contact("DL1ABC", "40", UtcNowMinus(90)));  // the same report again
  dll().AddData(Contact("", "40", UtcNowMinus(80)));
  dll().AddData(Contact("UA3ABC", "80", UtcNowMinus(70), "UA", "001MA"));
  EXPECT_EQ(Result(dll(), &score),
            "VELMORA  \r\n     Contestant: RK3A\r\nBand\tQSOs\tPoints\r\n80\t 1\t 1\r\n"
            "40\t 1\t 1\r\nTotal\t 3\t 2\r\n\r\nScore: 2\r\n");
  EXPECT_EQ(score, 2);
  EXPECT_EQ(Slurp(dir() + "Plugins\\KOVRA.ini"), "[Settings]\r\nClaimed=2\r\n");
  const std::string again = dll().GetResult0(nullptr);  // a null score is not written
  EXPECT_EQ(again, Result(dll()));
}

TEST_F(Exports, CheckCallJudgesAgainstTheUtcClock) {
  dll().AddData(Contact("DL1ABC", "20", UtcNowMinus(0)));
  dll().AddData(Contact("UA3MOW", "20", UtcNowMinus(0), "UA", "001 MO"));
  dll().AddData(Contact("DL2OLD", "20", UtcNowMinus(65)));
  char message[128] = "untouched";
  char other[16] = "untouched";
  EXPECT_EQ(dll().CheckCall0("DL1ABC", 0, 0, "BPSK63", nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr, "DL", 0, 0, 0, 0.0, 0.0, nullptr,
                             nullptr, nullptr, nullptr, "", "20", nullptr, other, message),
            0);
  EXPECT_EQ(std::string(message),
            "QSO c DL1ABC \xC2 \xCE\xC4\xCD\xCE\xCC \xE8 \xD2\xCE\xCC "
            "\xC6\xC5 \xD2\xD3\xD0\xC5 \xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC "
            "\xCD\xC5\xCB\xDC\xC7\xDF !!!");
  EXPECT_STREQ(other, "untouched");
  strcpy(message, "untouched");
  EXPECT_EQ(dll().CheckCall("DL2OLD", "BPSK63", "DL", "", "20", message), 1);
  EXPECT_EQ(dll().CheckCall("DL1ABC", "BPSK63", "DL", "", "40", message), 1);
  EXPECT_EQ(dll().CheckCall("UA9SIB", "BPSK63", "UA9", "NS", "20", message), 2);
  EXPECT_EQ(dll().CheckCall("UA9SIB", "BPSK63", "UA9", "MO", "20", message), 1);
  EXPECT_EQ(dll().CheckCall("UA9SIB", "BPSK63", nullptr, "NS", "20", message), 0);
  EXPECT_STREQ(message, "untouched");
}

TEST_F(Exports, NullPointersAnywhereAreReadAsNothing) {
  EXPECT_EQ(dll().ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                              0, 0.0, 0.0, nullptr, nullptr, nullptr),
            1);
  for (ContactFn* contact : {dll().AddData0, dll().RemoveData0}) {
    EXPECT_EQ(contact(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                      nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                      nullptr, nullptr, nullptr, nullptr),
              contact == dll().AddData0 ? 1 : 0);
  }
  EXPECT_EQ(dll().CheckCall(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
  // The stored contact has no region: its empty codes meet the empty call and region.
  EXPECT_EQ(dll().CheckCall(nullptr, nullptr, "UA", nullptr, nullptr, nullptr), 1);
  EXPECT_NE(std::string(dll().GetResult0(nullptr)).find("\t 0\t 0\r\nTotal\t 1\t 0\r\n"),
            std::string::npos);
}

TEST_F(Exports, UnloadingDropsTheLog) {
  dll().AddData(Contact("DL1ABC", "20", UtcNowMinus(0)));
  Reload();
  EXPECT_NE(Result(dll()).find("Total\t 0\t 0"), std::string::npos);
}

}  // namespace
}  // namespace kovra::host
