#pragma once
#include "platform/platform.h"

namespace kovra {

// The running host's automation object "Zelk2.Application", reached through COM.
HostConnection& HostAutomationConnection();

}  // namespace kovra
