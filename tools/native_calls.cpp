#include "tools/native_calls.h"

#include <cstdio>

#include "dll/exports.h"
#include "tools/replay_root.h"

namespace kovra::replay {

bool LinkedPlugin::Open(const ReplayOptions& options, host::PluginCalls& calls,
                        std::string& error) {
  if (!options.pluginPath.empty()) {
    return error = "--plugin: this build has the plug-in linked in", false;
  }
  // No windows here: the form is asked for on the terminal, or accepted as shown.
  AnswerSettingsFormsWith(options.confirm ? static_cast<SettingsFormRunner*>(&confirmAll_)
                                          : &terminal_);
  outputBox_.clear();
  WatchMessageBoxes([this](const MessageBoxRequest& box) {
    if (box.caption && std::string(box.caption) == "Output") outputBox_ = box.text;
  });
  calls = LinkedExports();
  return true;
}

void LinkedPlugin::Close() {
  AnswerSettingsFormsWith(nullptr);
  WatchMessageBoxes(nullptr);
}

}  // namespace kovra::replay
