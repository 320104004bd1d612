#pragma once
#include <string>
#include <vector>

#include "output/settings_form.h"
#include "platform/platform.h"

namespace kovra::model {

// The log-header record, with the Cabrillo file's base name and the QSO lines.
struct ModelSettings {
  std::string callsign, name, address, claimed, contest, email, club, soapbox, operators;
  std::string categoryOperator, categoryBand, categoryPower, categoryOverlay, location;
  std::string logBaseName;
  std::vector<std::string> qsoLines;
};

// The settings step: loads the file, runs the form, saves on OK. 1 on OK, else 0.
int EditStationSettings(ModelSettings& s, const std::string& callsign, Platform& platform,
                        SettingsFormRunner& form);

}  // namespace kovra::model
