#include "platform/platform_posix.h"

#include <cstdio>
#include <ctime>
#include <unistd.h>

#include "platform/file_io.h"
#include "platform/profile_file.h"

namespace kovra {
namespace {

std::string NativePath(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

bool MoveOver(const char* from, const char* to) { return std::rename(from, to) == 0; }

}  // namespace

UtcTime PosixPlatform::UtcNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  return {utc.tm_hour, utc.tm_min};
}

std::string PosixPlatform::DateText(const OleDate& date) { return LocaleDateText(date); }

void PosixPlatform::StartProgram(const std::string&, int) {}

void PosixPlatform::ShowMessage(const MessageBoxRequest& request) {
  std::fprintf(stderr, "[%s] %s\n", request.caption ? request.caption : "Error",
               request.text.c_str());
}

std::string PosixPlatform::ReadProfileString(const std::string& section, const std::string& key,
                                             const std::string& fallback, const std::string& file) {
  const auto bytes = ReadWholeFile(NativePath(file));
  return ReadProfileValue(bytes ? *bytes : std::string(), section, key, fallback);
}

bool PosixPlatform::WriteProfileString(const std::string& section, const std::string& key,
                                       const std::string& value, const std::string& file) {
  const std::string path = NativePath(file);
  const auto bytes = ReadWholeFile(path);
  // A settings file that is there but cannot be read is not replaced by one key.
  if (!bytes && access(path.c_str(), F_OK) == 0) return false;
  return ReplaceWholeFile(
      path, WithProfileValue(bytes ? *bytes : std::string(), section, key, value), MoveOver);
}

std::optional<std::string> PosixPlatform::ReadFile(const std::string& name) {
  return ReadWholeFile(NativePath(name));
}

bool PosixPlatform::ReplaceFile(const std::string& name, const std::string& bytes) {
  return ReplaceWholeFile(NativePath(name), bytes, MoveOver);
}

}  // namespace kovra
