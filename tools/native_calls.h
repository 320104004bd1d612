#pragma once
#include <string>

#include "plugin_calls/plugin_calls.h"
#include "tools/replay_main.h"
#include "tools/replay_root.h"
#include "tools/terminal_settings_form.h"

namespace kovra::replay {

// The linked plug-in as the simulator's source: its settings form is asked for
// on the terminal (or, with --confirm, accepted as shown), its messages watched.
class LinkedPlugin : public PluginSource {
 public:
  bool Open(const ReplayOptions& options, host::PluginCalls& calls, std::string& error) override;
  void Close() override;
  std::string OutputBoxText() const override { return outputBox_; }

 private:
  std::string outputBox_;
  FixedAnswerForm confirmAll_{kFormOk};
  TerminalSettingsForm terminal_{stdin, stderr, stderr};
};

}  // namespace kovra::replay
