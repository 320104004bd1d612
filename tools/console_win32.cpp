#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/console.h"

namespace kovra {
namespace {

std::wstring Wide(std::string_view utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(size_t(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &wide[0], n);
  return wide;
}

// A console shows UTF-16 right whatever its code page; a file or pipe gets the UTF-8.
void Write(DWORD which, std::string_view utf8) {
  const HANDLE handle = GetStdHandle(which);
  DWORD mode = 0, written = 0;
  if (!GetConsoleMode(handle, &mode)) {
    WriteFile(handle, utf8.data(), DWORD(utf8.size()), &written, nullptr);
    return;
  }
  const std::wstring wide = Wide(utf8);
  for (size_t at = 0; at < wide.size();) {
    size_t n = wide.size() - at < 8192 ? wide.size() - at : 8192;
    if (n > 1 && IS_HIGH_SURROGATE(wide[at + n - 1])) --n;  // keep a pair in one write
    if (!WriteConsoleW(handle, wide.data() + at, DWORD(n), &written, nullptr)) return;
    at += n;
  }
}

class WindowsConsole : public Console {
 public:
  void Out(std::string_view utf8) override { Write(STD_OUTPUT_HANDLE, utf8); }
  void Err(std::string_view utf8) override { Write(STD_ERROR_HANDLE, utf8); }

  // Alone on its console, showing the text there: not started from a command prompt.
  void HoldWindow(std::string_view prompt) override {
    DWORD processes[2], mode = 0;
    if (GetConsoleProcessList(processes, 2) != 1) return;
    if (!GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode)) return;
    Out("\n");
    Out(prompt);
    for (int c = std::getchar(); c != EOF && c != '\n';) c = std::getchar();
  }
};

}  // namespace

std::unique_ptr<Console> OpenConsole() { return std::make_unique<WindowsConsole>(); }

}  // namespace kovra
