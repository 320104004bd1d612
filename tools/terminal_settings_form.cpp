#include "tools/terminal_settings_form.h"

#include <unistd.h>

#include <string_view>
#include <vector>

#include "platform/ascii_text.h"
#include "platform/cp1251_utf8.h"

namespace kovra::replay {
namespace {

struct ComboItem {
  int id;
  const char* text;
};
#define KOVRA_TERMINAL_COMBO_ITEM(box, length, text) {box, text},
const ComboItem kComboItems[] = {KOVRA_COMBO_ITEMS(KOVRA_TERMINAL_COMBO_ITEM)};
#undef KOVRA_TERMINAL_COMBO_ITEM

std::vector<std::string_view> Items(const SettingsBox& box) {
  std::vector<std::string_view> items;
  for (const ComboItem& item : kComboItems) {
    if (item.id == box.id) items.emplace_back(item.text);
  }
  return items;
}

// A combo box given a text shows the first item that begins with it, in any
// letter case, and otherwise the text itself.
std::string ComboText(const SettingsBox& box, const std::string& text) {
  if (text.empty()) return text;
  for (const std::string_view item : Items(box)) {
    if (Upper(item.substr(0, text.size())) == Upper(text)) return std::string(item);
  }
  return text;
}

std::string ItemList(const SettingsBox& box) {
  std::string list;
  for (const std::string_view item : Items(box)) {
    list += (list.empty() ? "" : " | ") + (item.empty() ? "(empty)" : std::string(item));
  }
  return list;
}

// Line breaks in a box are CR LF; on the terminal a value is shown on one line.
std::string OnOneLine(const std::string& cp1251) {
  std::string text = Cp1251ToUtf8(cp1251);
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, " | ");
  return text;
}

}  // namespace

int TerminalSettingsForm::Run(SettingsForm& form) {
  if (!isatty(fileno(in_))) {
    std::fputs(
        "kovra-replay: no terminal to ask on: the settings form is cancelled "
        "(--confirm presses OK on it as shown)\n",
        err_);
    return kFormCancel;
  }
  std::fputs("Velmora: the station settings form. Enter keeps a value, \"-\" empties it.\n", out_);
  SettingsForm answers = form;
  for (const SettingsBox& box : kSettingsBoxes) {
    std::string& value = answers.*box.text;
    if (box.kind == BoxKind::kCombo) {
      value = ComboText(box, value);
      std::fprintf(out_, "  (list: %s)\n", ItemList(box).c_str());
    }
    const bool answered =
        box.kind == BoxKind::kMultiLine ? AskLines(box.label, value) : AskLine(box.label, value);
    if (!answered) return kFormCancel;
  }
  bool ok = false;
  if (!AskOk(ok) || !ok) return kFormCancel;
  form = answers;
  return kFormOk;
}

bool TerminalSettingsForm::ReadLine(std::string& line) {
  std::fflush(out_);
  line.clear();
  char chunk[256];
  while (std::fgets(chunk, sizeof chunk, in_)) {
    line += chunk;
    if (line.back() != '\n') continue;
    line.pop_back();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = Utf8ToCp1251(line);
    return true;
  }
  return false;
}

bool TerminalSettingsForm::AskLine(const char* label, std::string& value) {
  std::fprintf(out_, "%s [%s]: ", label, OnOneLine(value).c_str());
  std::string line;
  if (!ReadLine(line)) return false;
  if (line == "-") value.clear();
  if (!line.empty() && line != "-") value = line;
  return true;
}

bool TerminalSettingsForm::AskLines(const char* label, std::string& value) {
  std::fprintf(out_, "%s [%s] (lines up to an empty one): ", label, OnOneLine(value).c_str());
  std::string line;
  if (!ReadLine(line)) return false;
  if (line.empty()) return true;
  if (line == "-") return value.clear(), true;
  for (value = line;; value += "\r\n" + line) {
    std::fputs("  ... ", out_);
    if (!ReadLine(line)) return false;
    if (line.empty()) return true;
  }
}

bool TerminalSettingsForm::AskOk(bool& ok) {
  for (std::string line;;) {
    std::fputs("OK or CANCEL? [OK]: ", out_);
    if (!ReadLine(line)) return false;
    const std::string answer = Upper(Trim(line));
    if (answer == "CANCEL") return ok = false, true;
    if (answer.empty() || answer == "OK") return ok = true, true;
  }
}

}  // namespace kovra::replay
