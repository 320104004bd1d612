#pragma once
#include <optional>
#include <string>

#include "tools/replay_texts.h"

namespace kovra::replay {

struct ReplayOptions {
  std::string logPath;
  std::string pluginPath;            // empty: KOVRA.dll beside the program
  std::string callsign;              // empty: the log's STATION_CALLSIGN, else OPERATOR
  bool report = false;               // report flag of the reset: settings form and Cabrillo log
  bool confirm = false;              // press OK on the plug-in's modal windows
  std::optional<Language> language;  // none: the user's own
  bool help = false;
  bool version = false;
};

// False with the reason for a command line that cannot be run.
bool ParseOptions(int argc, const char* const* argv, ReplayOptions& options, std::string& error);

const char* Usage();

}  // namespace kovra::replay
