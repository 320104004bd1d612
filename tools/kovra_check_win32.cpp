// kovra-check.exe: names on the command line and files as Windows gives them,
// in UTF-16, so that a log in a folder with a Cyrillic name is read too.
#include <windows.h>
#include <shellapi.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_io.h"
#include "tools/check_main.h"
#include "tools/language.h"

namespace {

std::string Utf8(const wchar_t* wide) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string text(size_t(n > 1 ? n : 1), '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, wide, -1, &text[0], n, nullptr, nullptr);
  text.resize(text.size() - 1);  // the terminating NUL
  return text;
}

std::wstring Wide(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring wide(size_t(n > 1 ? n : 1), L'\0');
  if (n > 1) MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], n);
  wide.resize(wide.size() - 1);
  return wide;
}

std::vector<std::string> Arguments() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int i = 1; argv && i < argc; ++i) args.push_back(Utf8(argv[i]));
  LocalFree(argv);
  return args;
}

std::optional<std::string> Read(const std::string& path, std::string& why) {
  errno = 0;
  std::FILE* f = _wfopen(Wide(path).c_str(), L"rb");
  std::optional<std::string> bytes = f ? kovra::ReadToEnd(f) : std::nullopt;
  if (!bytes) why = std::strerror(errno ? errno : EIO);
  return bytes;
}

}  // namespace

int main() {
  const auto console = kovra::OpenConsole();
  return kovra::check::CheckMain(Arguments(), kovra::UserLanguage(), Read, *console);
}
