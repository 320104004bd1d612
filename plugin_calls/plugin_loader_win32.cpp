#include "plugin_calls/plugin_loader_win32.h"

namespace kovra::host {
namespace {

template <class Fn>
bool Resolve(HMODULE module, const ExportNames& names, Fn& fn, std::string& error) {
  const FARPROC decorated = GetProcAddress(module, names.decorated);
  const FARPROC plain = GetProcAddress(module, names.plain);
  if (!decorated || !plain || decorated != plain) {
    error = std::string("export not resolved to one function: ") + names.plain;
    return false;
  }
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(plain));
  return true;
}

}  // namespace

bool LoadPlugin(const std::string& path, LoadedPlugin& plugin, std::string& error) {
  plugin.module = LoadLibraryA(path.c_str());
  if (!plugin.module) {
    error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  const ExportNames* n = kExportNames;
  PluginCalls& c = plugin.calls;
  const bool ok = Resolve(plugin.module, n[0], c.addData, error) &&
                  Resolve(plugin.module, n[1], c.checkCall, error) &&
                  Resolve(plugin.module, n[2], c.getNumberOfSets, error) &&
                  Resolve(plugin.module, n[3], c.getResult, error) &&
                  Resolve(plugin.module, n[4], c.getSetName, error) &&
                  Resolve(plugin.module, n[5], c.removeData, error) &&
                  Resolve(plugin.module, n[6], c.resetStats, error) &&
                  Resolve(plugin.module, n[7], c.setupSet, error) &&
                  Resolve(plugin.module, n[8], c.getExchgCount, error) &&
                  Resolve(plugin.module, n[9], c.isValidExchg, error);
  if (!ok) UnloadPlugin(plugin);
  return ok;
}

void UnloadPlugin(LoadedPlugin& plugin) {
  if (plugin.module) FreeLibrary(plugin.module);
  plugin = LoadedPlugin();
}

}  // namespace kovra::host
