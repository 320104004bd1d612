#pragma once
#include <memory>

#include "platform/platform.h"

namespace kovra {

// The operating system as the DLL meets it inside the host's process.
std::unique_ptr<Platform> NewWin32Platform();

}  // namespace kovra
