#include "engine/plugin.h"

#include <cstring>

#include "engine/exchange.h"
#include "engine/score_report.h"
#include "output/cabrillo_writer.h"

namespace kovra {

void Plugin::SetupSet() {
  platform_.ShowMessage({"No additional setup for this contest", nullptr, false, false});
}

int Plugin::ResetStats(int reportFlag, std::string_view callsign, const OleDate& titleDate) {
  if (!toolStarted_) {
    platform_.StartProgram(".\\Plugins\\Tovmax.exe", 1);
    toolStarted_ = true;  // once per load, whether or not it started
  }
  titleDate_ = platform_.DateText(titleDate).substr(0, 10);
  log_.Clear();
  bands_.Clear();
  reportFlag_ = reportFlag;
  callsign_ = std::string(callsign);
  if (reportFlag_ != 0) EditStationSettings(settings_, callsign_, platform_, form_);
  return 1;
}

Contact ToContact(const HostContact& r) {
  Contact c;
  c.call = std::string(r.call);
  c.band = std::string(r.band);
  c.extra = std::string(r.extra);
  c.rstRcvd = std::string(r.rstRcvd);
  c.rstSent = std::string(r.rstSent);
  c.exchgSent = std::string(r.exchgSent);
  c.prefix = std::string(r.prefix);
  c.mode = std::string(r.mode);
  c.time = r.time;
  c.freqKHz = r.freqHz / 1000;
  NormalisedExchange exchange = NormaliseExchange(r.exchgRcvd);
  c.exchgRcvd = std::move(exchange.text);
  if (IsHomePrefix(r.prefix)) {
    // "MA" stations count one by one, every other region once.
    if (exchange.region == "MA") {
      c.maCall = c.call;
    } else {
      c.regionCode = std::move(exchange.region);
    }
  }
  return c;
}

int Plugin::AddData(const HostContact& r) {
  bands_.Add(r.band);
  log_.Add(ToContact(r));
  return 1;
}

int Plugin::RemoveData(std::string_view call, std::string_view mode, std::string_view exchgSent,
                       std::string_view exchgRcvd, std::string_view band) {
  if (exchgRcvd.empty() || exchgSent.empty()) return 0;
  log_.RemoveFirst(call, mode, band);
  return 1;
}

int Plugin::CheckCall(const CallCheck& check, char* message) {
  const Verdict verdict = JudgeCall(log_, check, platform_);
  if (verdict == Verdict::Repeat && message != nullptr) {
    const std::string text = RefusalMessage(check.call);
    std::memcpy(message, text.c_str(), text.size() + 1);
  }
  return HostCode(verdict);
}

const char* Plugin::GetResult(int* score) {
  ContestResult result = BuildContestResult(log_, bands_, titleDate_, callsign_);
  resultText_ = std::move(result.text);
  claimedScore_ = result.score;
  if (score != nullptr) *score = claimedScore_;
  SaveClaimedScore(claimedScore_, platform_);
  if (reportFlag_ != 0) {
    WriteCabrilloFile();
    if (score != nullptr) *score = -1;
  }
  hostMode_.Run(host_);
  return resultText_.c_str();
}

void Plugin::WriteCabrilloFile() {
  for (const Contact& c : log_) {
    AddQsoLine(settings_, {c.call, c.freqKHz, CabrilloModeCode(c.mode), c.time, c.rstSent,
                           c.exchgSent, c.rstRcvd, c.exchgRcvd});
  }
  const std::string message = WriteCabrilloLog(settings_, claimedScore_, platform_);
  platform_.ShowMessage({message, "Output", true, true});
}

}  // namespace kovra
