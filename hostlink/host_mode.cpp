#include "hostlink/host_mode.h"

namespace kovra {

void HostMode::Run(HostConnection& host) {
  if (sent_ || !host.Open()) return;
  // A failed first command must not be followed by the second.
  sent_ = host.SendCommand("<MODE:BPSK31>") && host.SendCommand("<BAUDRATE:63>");
  host.Close();
}

}  // namespace kovra
