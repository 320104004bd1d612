#pragma once
#include "platform/platform.h"

namespace kovra {

// The operating system as the DLL meets it inside the host's process.
class Win32Platform final : public Platform {
 public:
  UtcTime UtcNow() override;
  std::string DateText(const OleDate& date) override;
  void StartProgram(const std::string& commandLine, int showMode) override;
  void ShowMessage(const MessageBoxRequest& request) override;
  std::string ReadProfileString(const std::string& section, const std::string& key,
                                const std::string& fallback, const std::string& file) override;
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) override;
  std::optional<std::string> ReadFile(const std::string& name) override;
  bool ReplaceFile(const std::string& name, const std::string& bytes) override;
};

}  // namespace kovra
