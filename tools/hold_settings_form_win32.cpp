// Opens the station settings form as the host does and holds it open for a
// screenshot. Once the form shows, the file named by the second argument is
// created, holding the form's screen rectangle as "WxH+X+Y"; the form is
// cancelled when that file is gone again.
#include <windows.h>

#include <cstdio>
#include <string>

#include "plugin_calls/plugin_loader_win32.h"
#include "plugin_calls/window_driver_win32.h"

namespace {

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

// Written whole under a temporary name, so the script never reads half a line.
void AnnounceForm(HWND form, const std::string& marker) {
  RECT r;
  GetWindowRect(form, &r);
  const std::string part = marker + ".part";
  if (std::FILE* f = std::fopen(part.c_str(), "wb")) {
    std::fprintf(f, "%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    std::fclose(f);
    MoveFileA(part.c_str(), marker.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s KOVRA.dll MARKER-FILE\n", argv[0]);
    return 2;
  }
  const std::string marker = argv[2];
  CreateDirectoryA("Plugins", nullptr);
  kovra::host::LoadedPlugin plugin;
  std::string error;
  if (!kovra::host::LoadPlugin(argv[1], plugin, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  {
    kovra::host::ModalOperator holder("Velmora", [&marker](HWND form) {
      AnnounceForm(form, marker);
      while (Exists(marker.c_str())) Sleep(50);
      kovra::host::PressButton(form, IDCANCEL);
    });
    const kovra::OleDate titleDate{46364.5, kovra::OleDate::Valid};  // 08.12.2026 12:00
    plugin.calls.ResetStats(1, "UA3ABC", titleDate);
  }
  kovra::host::UnloadPlugin(plugin);
  return 0;
}
