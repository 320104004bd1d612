#include "tools/contest_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/ascii_text.h"

namespace kovra::check {
namespace fs = std::filesystem;

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(fs::u8path(path), error);
}

bool LogsInFolder(const std::string& folder, std::vector<std::string>& logs, std::string& why) {
  std::error_code error;
  for (fs::directory_iterator it(fs::u8path(folder), error), end; !error && it != end;
       it.increment(error)) {
    const fs::path& path = it->path();
    if (Lower(path.extension().u8string()) == ".cbr" && it->is_regular_file(error))
      logs.push_back(path.u8string());
  }
  std::sort(logs.begin(), logs.end());
  if (error) why = error.message();
  return !error;
}

bool WriteInFolder(const std::string& folder, const std::string& name, const std::string& bytes,
                   std::string& why) {
  std::error_code error;
  fs::create_directories(fs::u8path(folder), error);
  errno = 0;
  std::ofstream out(fs::u8path(folder) / fs::u8path(name), std::ios::binary);
  if (out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && out.flush())
    return true;
  why = error ? error.message() : std::strerror(errno ? errno : EIO);
  return false;
}

}  // namespace kovra::check
