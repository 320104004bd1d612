// kovra-replay: loads KOVRA.dll as the host does and replays an ADIF log through it.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "plugin_calls/plugin_loader_win32.h"
#include "plugin_calls/window_driver_win32.h"
#include "tools/language.h"
#include "tools/replay_main.h"

namespace {

using kovra::replay::ReplayOptions;

std::string BesideProgram(const char* name) {
  char path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n < MAX_PATH ? n : 0);
  const std::size_t slash = dir.find_last_of("\\/");
  dir.resize(slash == std::string::npos ? 0 : slash + 1);
  return dir + name;
}

class DllPlugin : public kovra::replay::PluginSource {
 public:
  bool Open(const ReplayOptions& options, kovra::host::PluginCalls& calls,
            std::string& error) override {
    const std::string path =
        options.pluginPath.empty() ? BesideProgram("KOVRA.dll") : options.pluginPath;
    if (!kovra::host::LoadPlugin(path, plugin_, error)) return false;
    calls = plugin_.calls;
    watcher_ = std::thread(&DllPlugin::Watch, this, GetCurrentThreadId(), options.confirm);
    return true;
  }

  void Close() override {
    stop_ = true;
    if (watcher_.joinable()) watcher_.join();
    kovra::host::UnloadPlugin(plugin_);
  }

  std::string OutputBoxText() const override { return outputBox_; }

 private:
  // Reads each of its windows, the settings form and the "Output" box, as it
  // shows and, with --confirm, plays the operator who presses OK, as often as
  // the plug-in asks.
  void Watch(DWORD replayThread, bool confirm) {
    HWND seen = nullptr;
    while (!stop_) {
      for (const std::string caption : {"Velmora", "Output"}) {
        const HWND window = kovra::host::FindModal(replayThread, caption.c_str());
        if (!window || window == seen) continue;
        seen = window;
        if (caption == "Output") outputBox_ = kovra::host::ItemText(window, 0xFFFF);
        if (confirm) kovra::host::PressButton(window, IDOK);
      }
      Sleep(20);
    }
  }

  kovra::host::LoadedPlugin plugin_;
  std::thread watcher_;
  std::atomic<bool> stop_{false};
  std::string outputBox_;  // written by the watcher only until it is joined
};

}  // namespace

int main(int argc, char** argv) {
  DllPlugin plugin;
  const auto console = kovra::OpenConsole();
  return kovra::replay::ReplayMain(argc, argv, plugin, kovra::UserLanguage(), *console);
}
