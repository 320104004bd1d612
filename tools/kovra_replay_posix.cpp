// kovra-replay against the plug-in's exports linked in, for native runs.
#include <cstdio>

#include "tools/native_calls.h"
#include "tools/replay_main.h"
#include "tools/replay_root.h"

namespace {

class LinkedPlugin : public kovra::replay::PluginSource {
 public:
  bool Open(const kovra::replay::ReplayOptions& options, kovra::host::PluginCalls& calls,
            std::string& error) override {
    if (!options.pluginPath.empty()) {
      return error = "--plugin: this build has the plug-in linked in", false;
    }
    answer_ = kovra::replay::FixedAnswerForm(options.confirm ? 1 : 2);
    kovra::replay::AnswerSettingsFormsWith(answer_);
    calls = kovra::replay::NativePluginCalls();
    return true;
  }
  void Close() override {}

 private:
  kovra::replay::FixedAnswerForm answer_{2};
};

}  // namespace

int main(int argc, char** argv) {
  LinkedPlugin plugin;
  return kovra::replay::ReplayMain(argc, argv, plugin, stdout, stderr);
}
