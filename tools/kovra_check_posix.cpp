// kovra-check, natively.
#include <cerrno>
#include <cstring>

#include "platform/file_io.h"
#include "tools/check_main.h"
#include "tools/language.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto read = [](const std::string& path, std::string& why) {
    errno = 0;
    std::optional<std::string> bytes = kovra::ReadWholeFile(path);
    if (!bytes) why = std::strerror(errno ? errno : EIO);
    return bytes;
  };
  const auto console = kovra::OpenConsole();
  return kovra::check::CheckMain(args, kovra::UserLanguage(), read, *console);
}
