#pragma once
#include <string>

#include "plugin_calls/plugin_calls.h"
#include "tools/console.h"
#include "tools/replay_options.h"

namespace kovra::replay {

// Where the plug-in comes from: the DLL on Windows, the linked exports natively.
class PluginSource {
 public:
  virtual ~PluginSource() = default;
  // Makes the calls usable and sets up the answers to the modal windows; false
  // with the reason when the plug-in cannot be used.
  virtual bool Open(const ReplayOptions& options, host::PluginCalls& calls, std::string& error) = 0;
  virtual void Close() = 0;
  // The text of the last "Output" box the plug-in showed; empty when none. After Close.
  virtual std::string OutputBoxText() const = 0;
};

// The whole program. Exit status 0 when replayed, 1 when the plug-in cannot be
// used, 2 for a bad command line or a bad log (then nothing is written). The
// summary and notes speak --lang, else the user's language.
int ReplayMain(int argc, const char* const* argv, PluginSource& source, Language userLanguage,
               Console& console);

}  // namespace kovra::replay
