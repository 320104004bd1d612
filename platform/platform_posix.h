#pragma once
#include "platform/platform.h"

namespace kovra {

// Native builds: real files and clock; no host to reach, no external tool, and
// the settings form answered by a fixed end code.
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

  // 1 confirms every settings form as shown; anything else cancels it.
  void SetFormEndCode(int endCode) { formEndCode_ = endCode; }

 private:
  int formEndCode_ = 2;
};

}  // namespace kovra
