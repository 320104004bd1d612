#pragma once
// A second, plain rendering of the plug-in's contest logic, kept apart from the
// engine so that the two can be run side by side and compared.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hostlink/host_connection.h"
#include "output/settings_form.h"
#include "platform/platform.h"
#include "tests/model/model_settings.h"

namespace kovra::model {

struct ModelReport {
  std::string call, mode, rstSent, rstRcvd, exchgSent, exchgRcvd, prefix, extra, band;
  OleDate time;
  uint32_t freqHz = 0;
};

struct ModelContact {
  std::string call, prefix, extra, band, mode, rstRcvd, rstSent, exchgRcvd, exchgSent;
  std::string maCall, regionCode;
  uint32_t freqKHz = 0;
  OleDate time;
};

struct ModelCheck {
  std::string call, mode;
  std::optional<std::string> prefix;  // none: the host passed a null pointer
  std::string region, band;
};

class ReferenceModel {
 public:
  ReferenceModel(Platform& platform, SettingsFormRunner& form, HostConnection& host)
      : platform_(platform), form_(form), host_(host) {}

  void SetupSet();
  int ResetStats(int reportFlag, const std::string& callsign, const OleDate& titleDate);
  int AddData(const ModelReport& report);
  int RemoveData(const std::string& call, const std::string& mode, const std::string& exchgSent,
                 const std::string& exchgRcvd, const std::string& band);
  int CheckCall(const ModelCheck& check, char* message);
  const char* GetResult(int* score);

  const std::vector<ModelContact>& contacts() const { return contacts_; }
  const std::vector<std::string>& bands() const { return bands_; }
  const ModelSettings& settings() const { return settings_; }
  int claimedScore() const { return claimedScore_; }

 private:
  bool InCurrentTour(const ModelContact& c);
  int NewRegionCode(const ModelCheck& check) const;
  void SortBands();
  void AppendBandRows(std::size_t n, int& pointTotal);
  void WriteCabrilloFile(std::size_t n);
  void SetHostMode();

  Platform& platform_;
  SettingsFormRunner& form_;
  HostConnection& host_;
  std::vector<ModelContact> contacts_;
  std::vector<std::string> bands_;
  std::string callsign_, titleDate_;
  int reportFlag_ = 0;
  bool launched_ = false;
  ModelSettings settings_;
  std::string resultText_;
  int claimedScore_ = 0;
  bool modeSent_ = false;
};

}  // namespace kovra::model
