#include "output/station_settings.h"

namespace kovra {
namespace {

constexpr char kSection[] = "Settings";
constexpr char kFile[] = "Plugins\\KOVRA.ini";

// What a settings step offers in a box (see KOVRA_SETTINGS_BOXES).
struct Offer {
  enum Source { kStored, kStoredOrCallsign, kCallsign, kFixed, kKept } source;
  const char* text = nullptr;
};
constexpr Offer Stored() { return {Offer::kStored}; }
constexpr Offer StoredOrCallsign() { return {Offer::kStoredOrCallsign}; }
constexpr Offer Callsign() { return {Offer::kCallsign}; }
constexpr Offer Fixed(const char* text) { return {Offer::kFixed, text}; }
constexpr Offer Kept() { return {Offer::kKept}; }

// A box of the form as the record and the settings file see it.
struct RecordBox {
  std::string StationSettings::*field;
  std::string SettingsForm::*text;
  const char* label;
  BoxKind kind;
  bool readBack;
  const char* key;
  int place;  // among the keys an OK writes
  Offer offer;
};

constexpr RecordBox kBoxes[] = {
#define KOVRA_RECORD_BOX(name, id, label, kind, readBack, key, place, offer) \
  {&StationSettings::name, &SettingsForm::name, label, BoxKind::kind, readBack, key, place, offer},
    KOVRA_SETTINGS_BOXES(KOVRA_RECORD_BOX)
#undef KOVRA_RECORD_BOX
};
constexpr std::size_t kBoxCount = sizeof kBoxes / sizeof kBoxes[0];

// The box's text as the settings file would hold it, for this step.
std::string Offered(const RecordBox& box, const StationSettings& s, const std::string& callsign,
                    Platform& platform) {
  switch (box.offer.source) {
    case Offer::kStored: return platform.ReadProfileString(kSection, box.key, "", kFile);
    case Offer::kStoredOrCallsign:
      return platform.ReadProfileString(kSection, box.key, callsign, kFile);
    case Offer::kCallsign: return callsign;
    case Offer::kFixed: return box.offer.text;
    case Offer::kKept: break;
  }
  return s.*box.field;
}

// A multi-line box's further lines in the log are tagged with its label.
std::string CabrilloTag(const RecordBox& box) { return std::string("\r\n") + box.label + ": "; }

void SaveToFile(const StationSettings& s, Platform& platform) {
  for (int place = 1;; ++place) {
    bool found = false;
    for (const RecordBox& box : kBoxes) {
      if (box.place != place) continue;
      platform.WriteProfileString(kSection, box.key, s.*box.field, kFile);
      found = true;
    }
    if (!found) return;
  }
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view search,
                       std::string_view replacement) {
  if (search.empty() || search == replacement) return std::string(text);
  std::string result;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(search, from)) != std::string_view::npos;
       from = at + search.size()) {
    result.append(text.substr(from, at - from)).append(replacement);
  }
  return result.append(text.substr(from));
}

std::string FileToEditing(std::string_view text) {
  return ReplaceAll(ReplaceAll(text, "<CR>", "\r"), "<LF>", "\n");
}

std::string EditingToFile(std::string_view text) {
  return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

std::string FileToCabrillo(std::string_view text, std::string_view tag) {
  return ReplaceAll(ReplaceAll(text, "<CR>", tag), "<LF>", "");
}

std::string LogBaseName(std::string_view callsign) {
  std::string name = ReplaceAll(ReplaceAll(callsign, "/", "_"), "\\", "_");
  constexpr char kSpace[] = " \t\n\v\f\r";
  const std::size_t first = name.find_first_not_of(kSpace);
  if (first == std::string::npos) return "KOVRA";
  return name.substr(first, name.find_last_not_of(kSpace) - first + 1);
}

int EditStationSettings(StationSettings& s, const std::string& callsign, Platform& platform,
                        SettingsFormRunner& formRunner) {
  s.logBaseName = LogBaseName(callsign);
  std::string inFile[kBoxCount];  // the multi-line texts as the settings file holds them
  SettingsForm form;
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    const RecordBox& box = kBoxes[i];
    inFile[i] = Offered(box, s, callsign, platform);
    s.*box.field = box.kind == BoxKind::kMultiLine ? FileToEditing(inFile[i]) : inFile[i];
    form.*box.text = s.*box.field;
  }
  const bool ok = formRunner.Run(form) == kFormOk;
  for (std::size_t i = 0; ok && i < kBoxCount; ++i) {
    const RecordBox& box = kBoxes[i];
    if (box.readBack) s.*box.field = form.*box.text;
    if (box.kind == BoxKind::kMultiLine) inFile[i] = s.*box.field = EditingToFile(s.*box.field);
  }
  if (ok) {
    SaveToFile(s, platform);
    s.qsoLines.clear();
  }
  // The writer prints these as tagged lines, so they must not stay in editing form.
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    if (kBoxes[i].kind == BoxKind::kMultiLine) {
      s.*kBoxes[i].field = FileToCabrillo(inFile[i], CabrilloTag(kBoxes[i]));
    }
  }
  return ok ? 1 : 0;
}

void SaveClaimedScore(int score, Platform& platform) {
  for (const RecordBox& box : kBoxes) {
    if (box.field == &StationSettings::claimed) {
      platform.WriteProfileString(kSection, box.key, std::to_string(score), kFile);
    }
  }
}

}  // namespace kovra
