#include "tests/model/model_settings.h"

namespace kovra::model {
namespace {

constexpr char kFile[] = "Plugins\\KOVRA.ini";
constexpr char kSection[] = "Settings";
constexpr char kAddressTag[] = "\r\nADDRESS: ";
constexpr char kSoapboxTag[] = "\r\nSOAPBOX: ";

bool IsTrimmed(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string BaseName(const std::string& callsign) {
  std::string name = ReplaceAll(ReplaceAll(callsign, "/", "_"), "\\", "_");
  while (!name.empty() && IsTrimmed(name.front())) name.erase(0, 1);
  while (!name.empty() && IsTrimmed(name.back())) name.pop_back();
  return name.empty() ? "KOVRA" : name;
}

std::string FileToEditing(const std::string& text) {
  return ReplaceAll(ReplaceAll(text, "<CR>", "\r"), "<LF>", "\n");
}

std::string EditingToFile(const std::string& text) {
  return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

std::string FileToCabrillo(const std::string& text, const std::string& tag) {
  return ReplaceAll(ReplaceAll(text, "<CR>", tag), "<LF>", "");
}

struct FileForms {
  std::string address, soapbox;
};

// Returns the multi-line values as the file holds them.
FileForms LoadFromFile(ModelSettings& s, const std::string& callsign, Platform& platform) {
  FileForms stored;
  auto read = [&](const char* key, const std::string& fallback) {
    return platform.ReadProfileString(kSection, key, fallback, kFile);
  };
  s.operators = read("Operators", callsign);
  s.name = read("Name", "");
  stored.address = read("Address", "");
  s.address = FileToEditing(stored.address);
  s.claimed = read("Claimed", "");
  s.contest = "Velmora";
  s.categoryOperator = "A4.BPSK63";
  s.categoryBand = "ALL";
  s.categoryPower = "HIGH";
  s.email = read("Email", "");
  s.club = read("Club", "");
  stored.soapbox = read("SoapBox", "");
  s.soapbox = FileToEditing(stored.soapbox);
  return stored;
}

SettingsForm FormFor(const ModelSettings& s, const std::string& callsign) {
  SettingsForm f;
  f.callsign = callsign;
  f.operators = s.operators;
  f.categoryOperator = s.categoryOperator;
  f.categoryBand = s.categoryBand;
  f.categoryPower = s.categoryPower;
  f.categoryOverlay = s.categoryOverlay;
  f.name = s.name;
  f.address = s.address;
  f.claimed = s.claimed;
  f.contest = s.contest;
  f.email = s.email;
  f.club = s.club;
  f.soapbox = s.soapbox;
  return f;
}

void CopyBack(ModelSettings& s, const SettingsForm& f) {
  s.callsign = f.callsign;
  s.operators = f.operators;
  s.categoryOperator = f.categoryOperator;
  s.categoryBand = f.categoryBand;
  s.categoryPower = f.categoryPower;
  s.categoryOverlay = f.categoryOverlay;
  s.name = f.name;
  s.address = f.address;
  s.contest = f.contest;
  s.email = f.email;
  s.club = f.club;
  s.soapbox = f.soapbox;
}

void SaveToFile(const ModelSettings& s, Platform& platform) {
  auto write = [&](const char* key, const std::string& value) {
    platform.WriteProfileString(kSection, key, value, kFile);
  };
  write("Operators", s.operators);
  write("Name", s.name);
  write("Address", s.address);
  write("Category", s.categoryOperator);
  write("Contest", s.contest);
  write("Email", s.email);
  write("Club", s.club);
  write("SoapBox", s.soapbox);
}

}  // namespace

std::string ReplaceAll(const std::string& text, const std::string& search,
                       const std::string& replacement) {
  if (search == replacement || search.empty()) return text;
  std::string result;
  std::string remainder = text;
  for (std::size_t at; (at = remainder.find(search)) != std::string::npos;) {
    result += remainder.substr(0, at) + replacement;
    remainder = remainder.substr(at + search.size());
  }
  return result + remainder;
}

int EditStationSettings(ModelSettings& s, const std::string& callsign, Platform& platform,
                        SettingsFormRunner& formRunner) {
  s.callsign = callsign;
  s.logBaseName = BaseName(callsign);
  const FileForms stored = LoadFromFile(s, callsign, platform);
  SettingsForm form = FormFor(s, callsign);
  if (formRunner.Run(form) != 1) {
    // Cancel: the writer still needs the tagged form, built from what was read.
    s.address = FileToCabrillo(stored.address, kAddressTag);
    s.soapbox = FileToCabrillo(stored.soapbox, kSoapboxTag);
    return 0;
  }
  CopyBack(s, form);
  s.address = EditingToFile(s.address);
  s.soapbox = EditingToFile(s.soapbox);
  SaveToFile(s, platform);
  s.soapbox = FileToCabrillo(s.soapbox, kSoapboxTag);
  s.address = FileToCabrillo(s.address, kAddressTag);
  s.qsoLines.clear();
  return 1;
}

}  // namespace kovra::model
