#pragma once
#include <optional>
#include <string>

#include "platform/ole_date.h"
#include "platform/settings_form.h"

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

// The running host's automation object, as one attempt sees it.
class HostConnection {
 public:
  virtual ~HostConnection() = default;
  virtual bool Open() = 0;  // false: no running host, nothing to close
  virtual bool SendCommand(const std::string& text) = 0;
  virtual void Close() = 0;
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
  // Runs the station settings form modally; returns its end code (1 for OK).
  virtual int RunSettingsForm(SettingsForm& form) = 0;
  virtual std::optional<std::string> ReadFile(const std::string& name) = 0;
  // Writes the whole file anew; on failure the earlier file stays as it was.
  virtual bool ReplaceFile(const std::string& name, const std::string& bytes) = 0;
  virtual HostConnection& Host() = 0;
};

// The process's own platform, for the exports.
Platform& SystemPlatform();

}  // namespace kovra
