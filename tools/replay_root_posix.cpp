// The native replay's composition root: real files and clock, the settings form
// answered as the replay says, and no running host to reach.
#include "engine/plugin.h"
#include "platform/platform_posix.h"
#include "tools/replay_root.h"

namespace kovra {
namespace {

class NoRunningHost final : public HostConnection {
 public:
  bool Open() override { return false; }
  bool SendCommand(const std::string&) override { return false; }
  void Close() override {}
};

class ChosenForm final : public SettingsFormRunner {
 public:
  int Run(SettingsForm& form) override { return answer ? answer->Run(form) : kFormCancel; }
  SettingsFormRunner* answer = nullptr;
};

class WatchedPlatform final : public PosixPlatform {
 public:
  void ShowMessage(const MessageBoxRequest& request) override {
    PosixPlatform::ShowMessage(request);
    if (watch) watch(request);
  }
  std::function<void(const MessageBoxRequest&)> watch;
};

struct NativePorts {
  WatchedPlatform platform;
  ChosenForm form;
  NoRunningHost host;
  Plugin plugin{platform, form, host};
};

NativePorts& Ports() {
  static NativePorts ports;
  return ports;
}

}  // namespace

Plugin& ProcessPlugin() { return Ports().plugin; }

void replay::AnswerSettingsFormsWith(SettingsFormRunner* runner) { Ports().form.answer = runner; }

void replay::WatchMessageBoxes(std::function<void(const MessageBoxRequest&)> watch) {
  Ports().platform.watch = std::move(watch);
}

}  // namespace kovra
