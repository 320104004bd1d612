#include "tools/replay_main.h"

#include "kovra_version.h"

#include "tools/replay.h"
#include "tools/replay_summary.h"

namespace kovra::replay {

int ReplayMain(int argc, const char* const* argv, PluginSource& source, std::FILE* out,
               std::FILE* err) {
  ReplayOptions options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) {
    std::fprintf(err, "kovra-replay: %s\n%s", error.c_str(), Usage());
    return 2;
  }
  if (options.help) return std::fputs(Usage(), out), 0;
  if (options.version) return std::fputs("kovra-replay " KOVRA_VERSION "\n", out), 0;
  ReplayPlan plan;
  if (!PlanReplay(options.logPath, options.callsign, plan, error)) {
    std::fprintf(err, "kovra-replay: %s\n", error.c_str());
    return 2;
  }
  for (const std::string& note : FormatNotes(options.logPath, plan)) {
    std::fprintf(err, "kovra-replay: %s\n", note.c_str());
  }
  host::PluginCalls calls;
  if (!source.Open(options, calls, error)) {
    std::fprintf(err, "kovra-replay: %s\n", error.c_str());
    return 1;
  }
  ReplayResult result = RunReplay(plan, calls, options.report);
  source.Close();
  result.outputBox = source.OutputBoxText();
  std::fputs(FormatReplay(plan, result).c_str(), out);
  return 0;
}

}  // namespace kovra::replay
