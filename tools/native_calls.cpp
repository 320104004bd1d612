#include "tools/native_calls.h"

#include <cstdio>

#include "engine/exports.h"
#include "platform/platform_posix.h"
#include "tools/terminal_settings_form.h"

namespace kovra::replay {

host::PluginCalls NativePluginCalls() {
  host::PluginCalls calls;
  calls.setupSet = &SetupSet0;
  calls.getNumberOfSets = &GetNumberOfSets;
  calls.getSetName = &GetSetName;
  calls.resetStats = &ResetStats0;
  calls.addData = &AddData0;
  calls.removeData = &RemoveData0;
  calls.checkCall = &CheckCall0;
  calls.isValidExchg = &IsValidExchg0;
  calls.getExchgCount = &GetExchgCount0;
  calls.getResult = &GetResult0;
  return calls;
}

bool LinkedPlugin::Open(const ReplayOptions& options, host::PluginCalls& calls,
                        std::string& error) {
  if (!options.pluginPath.empty()) {
    return error = "--plugin: this build has the plug-in linked in", false;
  }
  // The native platform has no windows: the form is asked for on the terminal.
  if (auto* posix = dynamic_cast<PosixPlatform*>(&SystemPlatform())) {
    const bool confirm = options.confirm;
    posix->SetFormRunner([confirm](SettingsForm& form) {
      if (confirm) return TerminalSettingsForm::kOk;
      return TerminalSettingsForm(stdin, stderr, stderr).Run(form);
    });
    outputBox_.clear();
    posix->SetMessageWatcher([this](const MessageBoxRequest& box) {
      if (box.caption && std::string(box.caption) == "Output") outputBox_ = box.text;
    });
  }
  calls = NativePluginCalls();
  return true;
}

void LinkedPlugin::Close() {
  if (auto* posix = dynamic_cast<PosixPlatform*>(&SystemPlatform())) {
    posix->SetFormRunner(nullptr);
    posix->SetMessageWatcher(nullptr);
  }
}

}  // namespace kovra::replay
