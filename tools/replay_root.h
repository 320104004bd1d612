#pragma once
#include <functional>

#include "output/settings_form.h"
#include "platform/platform.h"

namespace kovra::replay {

// The native replay has no dialog: it says how each settings form is answered
// (null, or until it says: Cancel). The runner must outlive its use.
void AnswerSettingsFormsWith(SettingsFormRunner* runner);

// Every message box goes to standard error, as the native platform shows it,
// and to `watch` when one is set.
void WatchMessageBoxes(std::function<void(const MessageBoxRequest&)> watch);

// Ends every form with one end code, the boxes as shown.
class FixedAnswerForm final : public SettingsFormRunner {
 public:
  explicit FixedAnswerForm(int endCode) : endCode_(endCode) {}
  int Run(SettingsForm&) override { return endCode_; }

 private:
  int endCode_;
};

}  // namespace kovra::replay
