#include "platform/file_io.h"

namespace kovra {

std::optional<std::string> ReadWholeFile(const std::string& name) {
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (!f) return std::nullopt;
  return ReadToEnd(f);
}

std::optional<std::string> ReadToEnd(std::FILE* f) {
  std::string bytes;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
  // Half a file is no file: its bytes would go into a log, or back over the file itself.
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return bytes;
}

bool ReplaceWholeFile(const std::string& name, const std::string& bytes,
                      bool (*move)(const char* from, const char* to)) {
  const std::string temp = name + ".tmp";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (ok && move(temp.c_str(), name.c_str())) return true;
  std::remove(temp.c_str());
  return false;
}

}  // namespace kovra
