#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/band_list.h"
#include "engine/contact_log.h"
#include "engine/tour_check.h"
#include "hostlink/host_connection.h"
#include "hostlink/host_mode.h"
#include "output/settings_form.h"
#include "output/station_settings.h"
#include "platform/platform.h"

namespace kovra {

// What the host passes of one contact, with null texts already read as empty.
struct HostContact {
  std::string_view call;
  OleDate time;
  uint32_t freqHz = 0;
  std::string_view mode;
  std::string_view rstSent;
  std::string_view rstRcvd;
  std::string_view exchgSent;
  std::string_view exchgRcvd;
  std::string_view prefix;
  std::string_view extra;
  std::string_view band;
};

// The contact as the log stores it: exchange normalised, home region marked.
Contact ToContact(const HostContact& report);

// All of the plug-in's process-wide state, and the operations the exports route to.
// The three ports are the operating system, the settings form and the running host.
class Plugin {
 public:
  Plugin(Platform& platform, SettingsFormRunner& form, HostConnection& host)
      : platform_(platform), form_(form), host_(host) {}

  void SetupSet();
  int ResetStats(int reportFlag, std::string_view callsign, const OleDate& titleDate);
  int AddData(const HostContact& contact);
  int RemoveData(std::string_view call, std::string_view mode, std::string_view exchgSent,
                 std::string_view exchgRcvd, std::string_view band);
  // Writes the refusal message only on a repeat, and only when given a buffer.
  int CheckCall(const CallCheck& check, char* message);
  // The result text stays valid until the next call; a null score is not written.
  const char* GetResult(int* score);

  const ContactLog& log() const { return log_; }
  const BandList& bands() const { return bands_; }
  const StationSettings& settings() const { return settings_; }
  int claimedScore() const { return claimedScore_; }

 private:
  void WriteCabrilloFile();

  Platform& platform_;
  SettingsFormRunner& form_;
  HostConnection& host_;
  ContactLog log_;
  BandList bands_;
  std::string callsign_;
  std::string titleDate_;
  int reportFlag_ = 0;
  bool toolStarted_ = false;
  StationSettings settings_;
  std::string resultText_;
  int claimedScore_ = 0;
  HostMode hostMode_;
};

// The process's one plug-in, for the exports: each build's composition root
// defines it, wiring the ports of its platform.
Plugin& ProcessPlugin();

}  // namespace kovra
