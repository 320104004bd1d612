#include "output/station_settings.h"

#include <utility>

namespace kovra {
namespace {

constexpr char kSection[] = "Settings";
constexpr char kFile[] = "Plugins\\KOVRA.ini";
constexpr char kAddressTag[] = "\r\nADDRESS: ";
constexpr char kSoapboxTag[] = "\r\nSOAPBOX: ";

struct StoredValues {
  std::string operators, name, address, claimed, email, club, soapbox;  // file form
};

StoredValues ReadStoredValues(Platform& platform, const std::string& callsign) {
  auto read = [&](const char* key, const std::string& fallback = std::string()) {
    return platform.ReadProfileString(kSection, key, fallback, kFile);
  };
  StoredValues v;
  v.operators = read("Operators", callsign);
  v.name = read("Name");
  v.address = read("Address");
  v.claimed = read("Claimed");
  v.email = read("Email");
  v.club = read("Club");
  v.soapbox = read("SoapBox");
  return v;
}

// The header boxes of the form and where each lives in the record: the one list
// both directions of the copy go by.
struct SharedField {
  std::string SettingsForm::*box;
  std::string StationSettings::*field;
  bool readBack;  // the claimed score is shown but not the operator's to change
};

constexpr SharedField kSharedFields[] = {
    {&SettingsForm::callsign, &StationSettings::callsign, true},
    {&SettingsForm::operators, &StationSettings::operators, true},
    {&SettingsForm::categoryOperator, &StationSettings::categoryOperator, true},
    {&SettingsForm::categoryBand, &StationSettings::categoryBand, true},
    {&SettingsForm::categoryPower, &StationSettings::categoryPower, true},
    {&SettingsForm::categoryOverlay, &StationSettings::categoryOverlay, true},
    {&SettingsForm::name, &StationSettings::name, true},
    {&SettingsForm::address, &StationSettings::address, true},
    {&SettingsForm::claimed, &StationSettings::claimed, false},
    {&SettingsForm::contest, &StationSettings::contest, true},
    {&SettingsForm::email, &StationSettings::email, true},
    {&SettingsForm::club, &StationSettings::club, true},
    {&SettingsForm::soapbox, &StationSettings::soapbox, true},
};

SettingsForm FormFor(const StationSettings& s) {
  SettingsForm f;
  for (const SharedField& shared : kSharedFields) f.*shared.box = s.*shared.field;
  return f;
}

void TakeFromForm(StationSettings& s, const SettingsForm& f) {
  for (const SharedField& shared : kSharedFields) {
    if (shared.readBack) s.*shared.field = f.*shared.box;
  }
}

void SaveToFile(const StationSettings& s, Platform& platform) {
  const std::pair<const char*, const std::string*> keys[] = {
      {"Operators", &s.operators}, {"Name", &s.name},       {"Address", &s.address},
      {"Category", &s.categoryOperator}, {"Contest", &s.contest}, {"Email", &s.email},
      {"Club", &s.club},           {"SoapBox", &s.soapbox},
  };
  for (const auto& [key, value] : keys) platform.WriteProfileString(kSection, key, *value, kFile);
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
  s.callsign = callsign;
  s.logBaseName = LogBaseName(callsign);
  const StoredValues stored = ReadStoredValues(platform, callsign);
  s.operators = stored.operators;
  s.name = stored.name;
  s.address = FileToEditing(stored.address);
  s.claimed = stored.claimed;
  s.contest = "Velmora";
  s.categoryOperator = "A4.BPSK63";
  s.categoryBand = "ALL";
  s.categoryPower = "HIGH";
  s.email = stored.email;
  s.club = stored.club;
  s.soapbox = FileToEditing(stored.soapbox);

  SettingsForm form = FormFor(s);
  if (formRunner.Run(form) != 1) {
    // The writer prints these as tagged lines, so they must not stay in editing form.
    s.soapbox = FileToCabrillo(stored.soapbox, kSoapboxTag);
    s.address = FileToCabrillo(stored.address, kAddressTag);
    return 0;
  }
  TakeFromForm(s, form);
  s.address = EditingToFile(s.address);
  s.soapbox = EditingToFile(s.soapbox);
  SaveToFile(s, platform);
  s.soapbox = FileToCabrillo(s.soapbox, kSoapboxTag);
  s.address = FileToCabrillo(s.address, kAddressTag);
  s.qsoLines.clear();
  return 1;
}

}  // namespace kovra
