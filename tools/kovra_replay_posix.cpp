// kovra-replay against the plug-in's exports linked in, for native runs.
#include <cstdio>

#include "platform/platform_posix.h"
#include "tools/native_calls.h"
#include "tools/replay_main.h"

namespace {

class LinkedPlugin : public kovra::replay::PluginSource {
 public:
  bool Open(const kovra::replay::ReplayOptions& options, kovra::host::PluginCalls& calls,
            std::string& error) override {
    if (!options.pluginPath.empty()) {
      return error = "--plugin: this build has the plug-in linked in", false;
    }
    // The native platform has no windows: its forms end with the code it is given.
    if (auto* posix = dynamic_cast<kovra::PosixPlatform*>(&kovra::SystemPlatform())) {
      posix->SetFormEndCode(options.confirm ? 1 : 2);
    }
    calls = kovra::replay::NativePluginCalls();
    return true;
  }
  void Close() override {}
};

}  // namespace

int main(int argc, char** argv) {
  LinkedPlugin plugin;
  return kovra::replay::ReplayMain(argc, argv, plugin, stdout, stderr);
}
