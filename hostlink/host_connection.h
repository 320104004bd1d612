#pragma once
#include <string>

namespace kovra {

// The running host's automation object, as one attempt sees it.
class HostConnection {
 public:
  virtual ~HostConnection() = default;
  virtual bool Open() = 0;  // false: no running host, nothing to close
  virtual bool SendCommand(const std::string& text) = 0;
  virtual void Close() = 0;
};

}  // namespace kovra
