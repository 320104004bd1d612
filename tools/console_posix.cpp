#include <cstdio>

#include "tools/console.h"

namespace kovra {
namespace {

class StdioConsole : public Console {
 public:
  void Out(std::string_view utf8) override { std::fwrite(utf8.data(), 1, utf8.size(), stdout); }
  void Err(std::string_view utf8) override { std::fwrite(utf8.data(), 1, utf8.size(), stderr); }
  // A terminal outlives the program.
  void HoldWindow(std::string_view) override {}
};

}  // namespace

std::unique_ptr<Console> OpenConsole() { return std::make_unique<StdioConsole>(); }

}  // namespace kovra
