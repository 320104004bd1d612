#pragma once
#include <functional>
#include <utility>

#include "platform/platform.h"

namespace kovra {

// Native builds: real files and clock; no host to reach, no external tool, and
// the settings form run by what the program sets.
class PosixPlatform : public Platform {
 public:
  UtcTime UtcNow() override;
  std::string DateText(const OleDate& date) override;
  void StartProgram(const std::string& commandLine, int showMode) override;
  void ShowMessage(const MessageBoxRequest& request) override;
  std::string ReadProfileString(const std::string& section, const std::string& key,
                                const std::string& fallback, const std::string& file) override;
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) override;
  int RunSettingsForm(SettingsForm& form) override;
  std::optional<std::string> ReadFile(const std::string& name) override;
  bool ReplaceFile(const std::string& name, const std::string& bytes) override;
  HostConnection& Host() override;

  // Runs every settings form and gives its end code; without one each is cancelled.
  using FormRunner = std::function<int(SettingsForm&)>;
  void SetFormRunner(FormRunner run) { formRunner_ = std::move(run); }
  // Told every message after it went to stderr, as a window would show it.
  using MessageWatcher = std::function<void(const MessageBoxRequest&)>;
  void SetMessageWatcher(MessageWatcher watch) { messageWatcher_ = std::move(watch); }

 private:
  FormRunner formRunner_;
  MessageWatcher messageWatcher_;
};

}  // namespace kovra
