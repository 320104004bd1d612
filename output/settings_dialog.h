#pragma once
#include "platform/settings_form.h"

namespace kovra {

// Runs dialog template 101 modally over the calling thread's active window and
// returns its end code; on OK (1) the form holds what the boxes held.
int RunStationSettingsDialog(SettingsForm& form);

}  // namespace kovra
