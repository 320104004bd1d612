#include "tools/replay_main.h"

#include "kovra_version.h"

#include "tools/replay.h"
#include "tools/replay_summary.h"

namespace kovra::replay {
namespace {

constexpr char kProgram[] = "kovra-replay: ";

}  // namespace

int ReplayMain(int argc, const char* const* argv, PluginSource& source, Language userLanguage,
               Console& console) {
  ReplayOptions options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) {
    console.Err(kProgram + error + "\n" + Usage());
    return 2;
  }
  if (options.help) return console.Out(Usage()), 0;
  if (options.version) return console.Out("kovra-replay " KOVRA_VERSION "\n"), 0;
  const Language language = options.language.value_or(userLanguage);
  ReplayPlan plan;
  if (!PlanReplay(options.logPath, options.callsign, plan, error)) {
    console.Err(kProgram + error + "\n");
    return 2;
  }
  for (const std::string& note : FormatNotes(options.logPath, plan, language)) {
    console.Err(kProgram + note + "\n");
  }
  host::PluginCalls calls;
  if (!source.Open(options, calls, error)) {
    console.Err(kProgram + error + "\n");
    return 1;
  }
  ReplayResult result = RunReplay(plan, calls, options.report);
  source.Close();
  result.outputBox = source.OutputBoxText();
  console.Out(FormatReplay(plan, result, language));
  return 0;
}

}  // namespace kovra::replay
