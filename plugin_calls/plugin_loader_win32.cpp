#include "plugin_calls/plugin_loader_win32.h"

namespace kovra::host {
namespace {

template <class Fn>
bool Resolve(HMODULE module, const char* decorated, const char* plain, Fn*& fn,
             std::string& error) {
  const FARPROC byDecorated = GetProcAddress(module, decorated);
  const FARPROC byPlain = GetProcAddress(module, plain);
  if (!byDecorated || !byPlain || byDecorated != byPlain) {
    error = std::string("export not resolved to one function: ") + plain;
    return false;
  }
  fn = reinterpret_cast<Fn*>(reinterpret_cast<void*>(byPlain));
  return true;
}

}  // namespace

bool LoadPlugin(const std::string& path, LoadedPlugin& plugin, std::string& error) {
  plugin.module = LoadLibraryA(path.c_str());
  if (!plugin.module) {
    error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  PluginCalls& c = plugin.calls;
  bool ok = true;
#define KOVRA_RESOLVE_EXPORT(name, Fn, decorated, ...) \
  ok = ok && Resolve(plugin.module, decorated, #name, c.name, error);
  KOVRA_EXPORT_LIST(KOVRA_RESOLVE_EXPORT)
#undef KOVRA_RESOLVE_EXPORT
  if (!ok) UnloadPlugin(plugin);
  return ok;
}

void UnloadPlugin(LoadedPlugin& plugin) {
  if (plugin.module) FreeLibrary(plugin.module);
  plugin = LoadedPlugin();
}

}  // namespace kovra::host
