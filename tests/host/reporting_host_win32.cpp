#include "tests/host/reporting_host_win32.h"

#include "plugin_calls/window_driver_win32.h"

namespace kovra::host {
namespace {

// The icon a message box shows, or null.
HICON BoxIcon(HWND box) {
  for (HWND item = GetWindow(box, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
    char cls[16] = {};
    GetClassNameA(item, cls, sizeof cls);
    const LONG style = GetWindowLongA(item, GWL_STYLE);
    if (lstrcmpiA(cls, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(item)) {
      DWORD_PTR icon = 0;
      SendMessageTimeoutA(item, STM_GETICON, 0, 0, SMTO_NORMAL, 5000, &icon);
      return reinterpret_cast<HICON>(icon);
    }
  }
  return nullptr;
}

}  // namespace

void ReportingHost::ConfirmForm(HWND form) { PressButton(form, IDOK); }

void ReportingHost::ResetForReport(Text callsign, const std::function<void(HWND)>& operate) {
  ModalOperator op("Velmora", operate);
  EXPECT_EQ(dll().ResetStats(1, callsign, UtcNowMinus(0)), 1);
  EXPECT_TRUE(op.Operated()) << "no settings form showed";
}

Report ReportingHost::ResultWithReport(int* score) {
  Report report;
  ModalOperator op("Output", [&report](HWND box) {
    report.message = ItemText(box, 0xFFFF);
    report.owner = GetWindow(box, GW_OWNER);
    report.icon = BoxIcon(box);
    PressButton(box, IDOK);
  });
  report.text = dll().GetResult0(score);
  EXPECT_TRUE(op.Operated()) << "no Output box showed";
  if (score) report.score = *score;
  return report;
}

Report ReportingHost::ResultWithReport() {
  int score = 0;
  return ResultWithReport(&score);
}

std::vector<std::string> ReportingHost::Leftovers() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  const HANDLE find = FindFirstFileA((dir() + "*.tmp").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do names.push_back(entry.cFileName);
  while (FindNextFileA(find, &entry));
  FindClose(find);
  return names;
}

bool IsDirectory(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ContactArgs SampleContact(Text call, Text band, Text exchgRcvd) {
  ContactArgs c;
  c.call = call;
  c.time = MakeOleDate(2026, 12, 8, 13, 45, 0);
  c.freqHz = 14070500;
  c.mode = "BPSK63";
  c.rstSent = c.rstRcvd = "599";
  c.exchgSent = "001";
  c.exchgRcvd = exchgRcvd;
  c.prefix = "DL";
  c.band = band;
  return c;
}

std::string SampleQsoLine(const std::string& call, const std::string& exchgRcvd,
                          const std::string& dateField) {
  const std::string paddedCall = call + std::string(call.size() < 13 ? 13 - call.size() : 0, ' ');
  return "QSO: 14070 PM " + dateField + " UA3ABC        599 001    " + paddedCall + " 599 " +
         exchgRcvd + "\r\n";
}

std::string DefaultHeader(int claimedScore) {
  return "START-OF-LOG: 3.0\r\nCONTEST: VELMORA\r\nCALLSIGN: UA3ABC\r\n"
         "CATEGORY-OPERATOR: A4.BPSK63\r\nCATEGORY-BAND: ALL\r\nCATEGORY-POWER: HIGH\r\n"
         "CATEGORY-OVERLAY: \r\nLOCATION: \r\nCLAIMED-SCORE: " +
         std::to_string(claimedScore) +
         "\r\nCLUB: \r\nCREATED-BY: Zelk \r\nNAME: \r\nADDRESS: \r\n"
         "OPERATORS: UA3ABC\r\nEMAIL: \r\nSOAPBOX: \r\n";
}

}  // namespace kovra::host
