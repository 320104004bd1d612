// kovra-replay against the plug-in's exports linked in, for native runs.
#include "tools/language.h"
#include "tools/native_calls.h"
#include "tools/replay_main.h"
#include "tools/replay_root.h"

int main(int argc, char** argv) {
  kovra::replay::LinkedPlugin plugin;
  const auto console = kovra::OpenConsole();
  return kovra::replay::ReplayMain(argc, argv, plugin, kovra::UserLanguage(), *console);
}
