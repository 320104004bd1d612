// The station settings form as the operator meets it: opened by a reset with
// the report flag, filled from the settings file, closed with OK or Cancel.
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "output/settings_form.h"
#include "plugin_calls/window_driver_win32.h"
#include "tests/host/plugin_host_win32.h"
#include "tests/host/reporting_host_win32.h"

namespace kovra::host {
namespace {

constexpr char kIni[] = "Plugins\\KOVRA.ini";

class StationSettingsForm : public PluginHost {
 protected:
  // Runs a reset with the report flag while `operate` plays the operator.
  void WithForm(const std::function<void(HWND)>& operate) {
    ModalOperator op("Velmora", operate);
    dll().ResetStats(1, "UA3ABC", UtcNowMinus(0));
    ASSERT_TRUE(op.Operated()) << "no form captioned Velmora showed";
  }
};

std::vector<std::string> ComboItems(HWND dialog, int id) {
  const HWND box = GetDlgItem(dialog, id);
  std::vector<std::string> items;
  const LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string item(size_t(SendMessageA(box, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
    item.resize(size_t(SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&item[0]))));
    items.push_back(item);
  }
  return items;
}

LRESULT Selected(HWND dialog, int id) {
  return SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
}

void Select(HWND dialog, int id, const char* item) {
  SendDlgItemMessageA(dialog, id, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(item));
}

TEST_F(StationSettingsForm, FirstUseShowsCallsignAndContestDefaults) {
  WithForm([](HWND form) {
    EXPECT_EQ(WindowText(form), "Velmora");
    EXPECT_EQ(ItemText(form, IDC_CALLSIGN), "UA3ABC");
    EXPECT_EQ(ItemText(form, IDC_OPERATORS), "UA3ABC");
    EXPECT_EQ(ItemText(form, IDC_CONTEST), "Velmora");
    // Not one of its items: shown as typed text, nothing selected.
    EXPECT_EQ(ItemText(form, IDC_CATEGORY_OPERATOR), "A4.BPSK63");
    EXPECT_EQ(Selected(form, IDC_CATEGORY_OPERATOR), CB_ERR);
    EXPECT_EQ(ItemText(form, IDC_CATEGORY_BAND), "ALL");
    EXPECT_EQ(Selected(form, IDC_CATEGORY_BAND), 0);
    EXPECT_EQ(ItemText(form, IDC_CATEGORY_POWER), "HIGH");
    EXPECT_EQ(Selected(form, IDC_CATEGORY_POWER), 0);
    for (int id :
         {IDC_NAME, IDC_ADDRESS, IDC_CLAIMED, IDC_EMAIL, IDC_CLUB, IDC_SOAPBOX, IDC_LOCATION}) {
      EXPECT_EQ(ItemText(form, id), "") << id;
    }
    PressButton(form, IDCANCEL);
  });
  EXPECT_FALSE(Exists(kIni));
}

TEST_F(StationSettingsForm, ComboListsInStoredOrderUnlessSorted) {
  WithForm([](HWND form) {
    using Items = std::vector<std::string>;
    EXPECT_EQ(ComboItems(form, IDC_CATEGORY_OPERATOR), (Items{"A4. BPSK 63.", ""}));
    EXPECT_EQ(ComboItems(form, IDC_CATEGORY_BAND), (Items{"ALL", "160", "80"}));
    EXPECT_EQ(ComboItems(form, IDC_CATEGORY_POWER), (Items{"HIGH", "LOW"}));
    EXPECT_EQ(ComboItems(form, IDC_CATEGORY_OVERLAY), (Items{"MOST", "SO", "SO160", "SO80"}));
    PressButton(form, IDCANCEL);
  });
}

// Tab order is template order; only the boxes an operator fills in turn get a tab stop.
TEST_F(StationSettingsForm, TemplateOrderTabStopsAndVisibility) {
  WithForm([](HWND form) {
    const std::vector<int> order = {0xFFFF,
                                    IDC_SOAPBOX,
                                    IDC_ADDRESS,
                                    IDCANCEL,
                                    IDOK,
                                    IDC_EMAIL,
                                    IDC_CLUB,
                                    IDC_OPERATORS,
                                    IDC_NAME,
                                    IDC_CLAIMED,
                                    IDC_CONTEST,
                                    IDC_CALLSIGN,
                                    0xFFFF,
                                    0xFFFF,
                                    0xFFFF,
                                    0xFFFF,
                                    0xFFFF,
                                    0xFFFF,
                                    0xFFFF,
                                    0xFFFF,
                                    0xFFFF,
                                    0xFFFF,
                                    IDC_CATEGORY_OPERATOR,
                                    0xFFFF,
                                    IDC_CATEGORY_BAND,
                                    0xFFFF,
                                    IDC_CATEGORY_POWER,
                                    0xFFFF,
                                    IDC_CATEGORY_OVERLAY,
                                    0xFFFF,
                                    IDC_LOCATION};
    const std::vector<int> tabStops = {IDC_SOAPBOX,        IDC_CATEGORY_OPERATOR, IDC_CATEGORY_BAND,
                                       IDC_CATEGORY_POWER, IDC_CATEGORY_OVERLAY,  IDC_LOCATION};
    std::vector<int> ids, tabbed, hidden;
    for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      const int id = LOWORD(GetDlgCtrlID(c));
      const LONG style = GetWindowLongA(c, GWL_STYLE);
      ids.push_back(id);
      if (style & WS_TABSTOP) tabbed.push_back(id);
      if (!(style & WS_VISIBLE)) hidden.push_back(int(ids.size()));
    }
    EXPECT_EQ(ids, order);
    EXPECT_EQ(tabbed, tabStops);
    EXPECT_EQ(hidden, std::vector<int>{1});  // the group box
    EXPECT_EQ(GetWindowLongA(GetDlgItem(form, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    PressButton(form, IDCANCEL);
  });
}

TEST_F(StationSettingsForm, OkSavesTheEightKeysAndKeepsLineBreaks) {
  Spill(kIni, "[Settings]\r\nClaimed=12\r\n");
  WithForm([](HWND form) {
    EXPECT_EQ(ItemText(form, IDC_CLAIMED), "12");
    SetDlgItemTextA(form, IDC_ADDRESS, "line1\r\nline2");
    SetDlgItemTextA(form, IDC_CLAIMED, "999");            // shown, never saved
    SetDlgItemTextA(form, IDC_LOCATION, "KO85");          // dropped
    SetDlgItemTextA(form, IDC_NAME, "\xC8\xE2\xE0\xED");  // code page 1251 bytes pass through
    Select(form, IDC_CATEGORY_OPERATOR, "A4. BPSK 63.");
    PressButton(form, IDOK);
  });
  EXPECT_EQ(Slurp(kIni),
            "[Settings]\r\nClaimed=12\r\nOperators=UA3ABC\r\nName=\xC8\xE2\xE0\xED\r\n"
            "Address=line1<CR><LF>line2\r\nCategory=A4. BPSK 63.\r\nContest=Velmora\r\n"
            "Email=\r\nClub=\r\nSoapBox=\r\n");

  WithForm([](HWND form) {
    EXPECT_EQ(ItemText(form, IDC_ADDRESS), "line1\r\nline2");
    EXPECT_EQ(SendDlgItemMessageA(form, IDC_ADDRESS, EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(ItemText(form, IDC_LOCATION), "");
    // The stored category is not offered again: the contest's own value is.
    EXPECT_EQ(ItemText(form, IDC_CATEGORY_OPERATOR), "A4.BPSK63");
    PressButton(form, IDCANCEL);
  });
}

// The overlay is kept in memory only, from one OK to the next form.
TEST_F(StationSettingsForm, SelectedOverlayIsOfferedAgainAfterOk) {
  WithForm([](HWND form) {
    Select(form, IDC_CATEGORY_OVERLAY, "SO80");
    Select(form, IDC_CATEGORY_POWER, "LOW");
    PressButton(form, IDOK);
  });
  WithForm([](HWND form) {
    EXPECT_EQ(ItemText(form, IDC_CATEGORY_OVERLAY), "SO80");
    EXPECT_EQ(Selected(form, IDC_CATEGORY_OVERLAY), 3);
    EXPECT_EQ(ItemText(form, IDC_CATEGORY_POWER), "HIGH");
    PressButton(form, IDCANCEL);
  });
}

TEST_F(StationSettingsForm, CancelEscapeAndCloseBoxLeaveTheFileAlone) {
  const std::string stored =
      "[Settings]\r\nName=Ivan\r\nAddress=a<CR><LF>b\r\nCategory=X\r\nClaimed=7\r\n";
  Spill(kIni, stored);
  const std::function<void(HWND)> closers[] = {
      [](HWND form) { PressButton(form, IDCANCEL); },
      [](HWND form) { PostMessageA(form, WM_KEYDOWN, VK_ESCAPE, 0); },
      [](HWND form) { PostMessageA(form, WM_CLOSE, 0, 0); },
  };
  for (const auto& close : closers) {
    WithForm([&](HWND form) {
      EXPECT_EQ(ItemText(form, IDC_NAME), "Ivan");
      EXPECT_EQ(ItemText(form, IDC_ADDRESS), "a\r\nb");
      SetDlgItemTextA(form, IDC_NAME, "Petr");
      close(form);
    });
    EXPECT_EQ(Slurp(kIni), stored);
  }
}

std::string Cp1251(const std::string& utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(size_t(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &wide[0], int(wide.size()))));
  std::string text(wide.size() * 2 + 1, '\0');
  text.resize(size_t(WideCharToMultiByte(1251, 0, wide.data(), int(wide.size()), &text[0],
                                         int(text.size()), nullptr, nullptr)));
  return text;
}

// The answers the native terminal form's test gives too (tests/tools/terminal_form),
// by label, in code page 1251 with the box's own line breaks.
std::map<std::string, std::string> SharedAnswers(const std::string& file) {
  std::istringstream lines(file);
  std::map<std::string, std::string> answers;
  for (std::string line; std::getline(lines, line);) {
    const size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
    std::string value = Cp1251(line.substr(equals + 1));
    for (size_t at; (at = value.find('|')) != std::string::npos;) value.replace(at, 1, "\r\n");
    answers[line.substr(0, equals)] = value;
  }
  return answers;
}

class SharedFormAnswers : public ReportingHost {};

// The native terminal form is held to the same files: both forms leave the same bytes.
TEST_F(SharedFormAnswers, GiveTheSettingsFileAndHeaderTheTerminalFormIsComparedWith) {
  const std::string shared = ProgramDir() + "terminal_form\\";
  const auto answers = SharedAnswers(Slurp(shared + "answers.txt"));
  ASSERT_EQ(answers.size(), std::size(kSettingsBoxes));
  ResetForReport(kOwnCall, [&answers](HWND form) {
    for (const SettingsBox& box : kSettingsBoxes) {
      const std::string& value = answers.at(box.label);  // empty: keep what the box shows
      if (!value.empty()) SetDlgItemTextA(form, box.id, value.c_str());
    }
    PressButton(form, IDOK);
  });
  dll().AddData(SampleContact("DL1AB"));
  ResultWithReport();
  EXPECT_EQ(Slurp(kIni), Slurp(shared + "KOVRA.ini"));
  const std::string log = Slurp(kOwnLog);
  EXPECT_EQ(log.substr(0, log.find("QSO: ")), Slurp(shared + "header.cbr"));
}

}  // namespace
}  // namespace kovra::host
