#pragma once
#include "plugin_calls/plugin_calls.h"

namespace kovra::replay {

// The plug-in's exports as linked into the native replay.
host::PluginCalls NativePluginCalls();

}  // namespace kovra::replay
