#pragma once
#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "tests/model/model_settings.h"

namespace kovra::model {

struct QsoLineFields {
  std::string call;
  uint32_t freqKHz;
  std::string modeCode;
  OleDate time;
  std::string rstSent, exchgSent, rstRcvd, exchgRcvd;
};

void AddQsoLine(ModelSettings& s, const QsoLineFields& q);

// Writes <logBaseName>.cbr, empties the QSO lines and returns the operator's message.
std::string WriteCabrilloLog(ModelSettings& s, int claimedScore, Platform& platform);

}  // namespace kovra::model
