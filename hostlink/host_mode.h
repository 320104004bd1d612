#pragma once
#include "platform/platform.h"

namespace kovra {

// Switches the running host to BPSK at 63 baud, once per loaded plug-in.
class HostMode {
 public:
  // One attempt: nothing when already done, or when the host is not running.
  void Run(HostConnection& host);
  bool sent() const { return sent_; }

 private:
  bool sent_ = false;
};

}  // namespace kovra
