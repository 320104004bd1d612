#pragma once
#include "output/settings_form.h"

namespace kovra::replay {

// The native replay has no dialog: it says how each settings form is answered
// (Cancel until it does). The runner must outlive the replay.
void AnswerSettingsFormsWith(SettingsFormRunner& runner);

// Ends every form with one end code, the boxes as shown.
class FixedAnswerForm final : public SettingsFormRunner {
 public:
  explicit FixedAnswerForm(int endCode) : endCode_(endCode) {}
  int Run(SettingsForm&) override { return endCode_; }

 private:
  int endCode_;
};

}  // namespace kovra::replay
