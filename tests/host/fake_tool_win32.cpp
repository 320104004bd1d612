// Stands in for the external tool: leaves a line in Plugins\tovmax.log per start.
#include <cstdio>

int main() {
  if (std::FILE* log = std::fopen("Plugins\\tovmax.log", "ab")) {
    std::fputs("started\n", log);
    std::fclose(log);
  }
  return 0;
}
