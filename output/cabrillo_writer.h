#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "output/station_settings.h"
#include "platform/ole_date.h"
#include "platform/platform.h"

namespace kovra {

struct QsoFields {
  std::string_view call;
  uint32_t freqKHz = 0;
  std::string_view modeCode;
  OleDate time;
  std::string_view rstSent;
  std::string_view exchgSent;
  std::string_view rstRcvd;
  std::string_view exchgRcvd;
};

// "CW" and "SSB" map to "CW" and "PH"; every other mode is "PM".
std::string_view CabrilloModeCode(std::string_view mode);

// "2026-12-08 1345" after rounding to the second; nothing when not a valid date.
void AppendCabrilloDateTime(std::string& out, const OleDate& time);

void AddQsoLine(StationSettings& settings, const QsoFields& qso);

// The log's file name: "UA3ABC_P" gives "UA3ABC_P.cbr".
std::string CabrilloFileName(std::string_view logBaseName);

// Writes CabrilloFileName(logBaseName) and empties the QSO lines; returns the operator's message.
std::string WriteCabrilloLog(StationSettings& settings, int claimedScore, Platform& platform);

}  // namespace kovra
