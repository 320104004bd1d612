#pragma once
#include "output/settings_form.h"

namespace kovra {

// Dialog template 101, run modally over the calling thread's active window.
class StationSettingsDialog final : public SettingsFormRunner {
 public:
  int Run(SettingsForm& form) override;
};

}  // namespace kovra
