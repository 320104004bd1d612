#pragma once
#include <optional>
#include <string>

#include "platform/ole_date.h"

namespace kovra {

struct UtcTime {
  int hour = 0;
  int minute = 0;
};

struct MessageBoxRequest {
  std::string text;
  const char* caption = nullptr;  // null: the platform's default caption
  bool informationIcon = false;
  bool ownedByActiveWindow = false;
};

// Everything the core needs from the operating system. The DLL uses the Win32
// implementation; native builds use the portable one, and tests a fake.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual UtcTime UtcNow() = 0;
  // The date-time in the user's default locale format (empty when not valid).
  virtual std::string DateText(const OleDate& date) = 0;
  virtual void StartProgram(const std::string& commandLine, int showMode) = 0;
  virtual void ShowMessage(const MessageBoxRequest& request) = 0;
  virtual std::string ReadProfileString(const std::string& section, const std::string& key,
                                        const std::string& fallback, const std::string& file) = 0;
  virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& file) = 0;
  virtual std::optional<std::string> ReadFile(const std::string& name) = 0;
  // Writes the whole file anew; on failure the earlier file stays as it was.
  virtual bool ReplaceFile(const std::string& name, const std::string& bytes) = 0;
};

}  // namespace kovra
