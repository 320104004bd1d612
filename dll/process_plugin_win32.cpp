// The DLL's composition root: the plug-in over the Win32 platform, the settings
// dialog and the host's COM automation object.
#include "engine/plugin.h"
#include "hostlink/host_automation.h"
#include "output/settings_dialog.h"
#include "platform/platform_win32.h"

namespace kovra {

Plugin& ProcessPlugin() {
  // Built in this order and so torn down in reverse: the plug-in before its ports.
  static const std::unique_ptr<Platform> platform = NewWin32Platform();
  static StationSettingsDialog form;
  static HostAutomationConnection host;
  static Plugin plugin(*platform, form, host);
  return plugin;
}

}  // namespace kovra
