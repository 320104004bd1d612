#include "tools/replay_options.h"

#include <string_view>

#include "tools/language.h"

namespace kovra::replay {

bool ParseOptions(int argc, const char* const* argv, ReplayOptions& options, std::string& error) {
  options = ReplayOptions();
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::string* value = arg == "--plugin" ? &options.pluginPath
                         : arg == "--call" ? &options.callsign
                                           : nullptr;
    if ((value || arg == "--lang") && i + 1 == argc) {
      return error = std::string(arg) + " needs a value", false;
    }
    if (value) {
      *value = argv[++i];
    } else if (arg == "--lang") {
      options.language = ParseLanguage(argv[++i]);
      if (!options.language) return error = "--lang takes en or ru", false;
    } else if (arg == "--report") {
      options.report = true;
    } else if (arg == "--confirm") {
      options.confirm = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return error = "unknown option " + std::string(arg), false;
    } else if (!options.logPath.empty()) {
      return error = "only one log file can be replayed", false;
    } else {
      options.logPath = arg;
    }
  }
  if (options.logPath.empty() && !options.help && !options.version) {
    return error = "no log file given", false;
  }
  return true;
}

const char* Usage() {
  return "Usage: kovra-replay [--plugin PATH] [--call CALLSIGN] [--report [--confirm]]\n"
         "                    [--lang en|ru] LOG.adi\n"
         "Replays an ADIF log through the KOVRA plug-in as the host would and prints its\n"
         "result, the repeats within a tour and, with --report, the Cabrillo log's name.\n"
         "  --plugin PATH    the plug-in to load (default: KOVRA.dll beside this program)\n"
         "  --call CALLSIGN  the contestant (default: the log's STATION_CALLSIGN or OPERATOR)\n"
         "  --report         show the settings form and write the Cabrillo log\n"
         "  --confirm        press OK on the settings form and the \"Output\" box\n"
         "  --lang en|ru     the language of the summary and notes (default: the user's)\n"
         "  --version        print the version and stop\n"
         "Exit status: 0 done, 1 the plug-in cannot be used, 2 bad command line or log.\n";
}

}  // namespace kovra::replay
