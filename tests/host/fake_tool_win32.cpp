// Stands in for the external tool: leaves a line in Plugins\tovmax.log per start,
// with the show mode it was started with (-1: none given).
#include <windows.h>

#include <cstdio>

int main() {
  STARTUPINFOA startup;
  GetStartupInfoA(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  if (std::FILE* log = std::fopen("Plugins\\tovmax.log", "ab")) {
    std::fprintf(log, "started %d\n", show);
    std::fclose(log);
  }
  return 0;
}
