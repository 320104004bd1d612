#pragma once
// The host's entry points, declared from the host's own layouts, so that each
// definition that differs from them does not compile. Each is exported under
// its plain and its decorated name (kovra.def.in).
#include "plugin_calls/plugin_calls.h"

extern "C" {
#define KOVRA_DECLARE_EXPORT(name, Fn, ...) kovra::host::Fn name;
KOVRA_EXPORT_LIST(KOVRA_DECLARE_EXPORT)
#undef KOVRA_DECLARE_EXPORT
}

namespace kovra {

// The exports as a build that links them in calls them: the native replay and tests.
inline host::PluginCalls LinkedExports() {
  host::PluginCalls calls;
#define KOVRA_LINK_EXPORT(name, ...) calls.name = &::name;
  KOVRA_EXPORT_LIST(KOVRA_LINK_EXPORT)
#undef KOVRA_LINK_EXPORT
  return calls;
}

}  // namespace kovra
