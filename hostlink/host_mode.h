#pragma once
#include "hostlink/host_connection.h"

namespace kovra {

// Switches the running host to BPSK at 63 baud, once per loaded plug-in.
class HostMode {
 public:
  // One attempt: nothing when already done, or when the host is not running.
  void Run(HostConnection& host);

 private:
  bool sent_ = false;
};

}  // namespace kovra
