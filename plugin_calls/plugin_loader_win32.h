#pragma once
#include <windows.h>

#include <string>

#include "plugin_calls/plugin_calls.h"

namespace kovra::host {

struct LoadedPlugin {
  HMODULE module = nullptr;
  PluginCalls calls;
};

// Loads the plug-in and resolves both names of every export, as the host may
// use either. On failure returns false and says why in `error`.
bool LoadPlugin(const std::string& path, LoadedPlugin& plugin, std::string& error);
void UnloadPlugin(LoadedPlugin& plugin);

}  // namespace kovra::host
