#pragma once
#include <string>
#include <string_view>

#include "output/settings_form.h"
#include "platform/platform.h"

namespace kovra {

// The Cabrillo log-header data, kept from one settings step to the next: one text
// per box of the form (address and soapbox in Cabrillo form once a step has run).
struct StationSettings {
#define KOVRA_RECORD_FIELD(name, ...) std::string name;
  KOVRA_SETTINGS_BOXES(KOVRA_RECORD_FIELD)
#undef KOVRA_RECORD_FIELD
  std::string logBaseName;
  std::string qsoLines;  // waiting for the next log, each line ending "\r\n"
};

// Every non-overlapping occurrence, left to right; an empty search changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view search,
                       std::string_view replacement);

// A multi-line value is kept on one line in the settings file ("<CR>", "<LF>"),
// has real line breaks in the form, and a tag before each further line for the log.
std::string FileToEditing(std::string_view text);
std::string EditingToFile(std::string_view text);
std::string FileToCabrillo(std::string_view text, std::string_view tag);

// The callsign made safe as a file name: "UA3ABC/P" gives "UA3ABC_P".
std::string LogBaseName(std::string_view callsign);

// Loads the settings file, lets the operator review the header in the form and
// saves it on OK. Returns 1 on OK, else 0.
int EditStationSettings(StationSettings& settings, const std::string& callsign, Platform& platform,
                        SettingsFormRunner& form);

// Keeps the score of a result in the settings file, where the next form shows it.
void SaveClaimedScore(int score, Platform& platform);

}  // namespace kovra
