#pragma once
#include <string>

#include "tools/plugin_calls.h"
#include "tools/replay_main.h"

namespace kovra::replay {

// The plug-in's exports as linked into a native build (kovra_native).
host::PluginCalls NativePluginCalls();

// The linked plug-in as the simulator's source: its settings form is asked for
// on the terminal (or, with --confirm, accepted as shown), its messages watched.
class LinkedPlugin : public PluginSource {
 public:
  bool Open(const ReplayOptions& options, host::PluginCalls& calls, std::string& error) override;
  void Close() override;
  std::string OutputBoxText() const override { return outputBox_; }

 private:
  std::string outputBox_;
};

}  // namespace kovra::replay
