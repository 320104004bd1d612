#pragma once
#include "hostlink/host_connection.h"

struct IDispatch;

namespace kovra {

// The running host's automation object "Zelk2.Application", reached through COM.
class HostAutomationConnection final : public HostConnection {
 public:
  bool Open() override;
  bool SendCommand(const std::string& text) override;
  void Close() override;

 private:
  void Uninitialise();

  IDispatch* dispatch_ = nullptr;
  bool initialised_ = false;
};

}  // namespace kovra
