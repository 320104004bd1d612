// kovra-replay against the plug-in's exports linked in, for native runs.
#include <cstdio>

#include "tools/native_calls.h"
#include "tools/replay_main.h"
#include "tools/replay_root.h"

int main(int argc, char** argv) {
  kovra::replay::LinkedPlugin plugin;
  return kovra::replay::ReplayMain(argc, argv, plugin, stdout, stderr);
}
