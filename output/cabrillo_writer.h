#pragma once
#include <cstddef>
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

// The contest's name on the log's CONTEST line.
constexpr std::string_view kCabrilloContest = "VELMORA";

// The mode codes the plug-in writes: for CW, for SSB, and for every other mode.
constexpr std::string_view kModeCodeCw = "CW";
constexpr std::string_view kModeCodePhone = "PH";
constexpr std::string_view kModeCodeOther = "PM";

// The fields of a QSO line after "QSO:", in order, each after one blank:
// "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n". A value narrower than its
// width is filled with blanks (on the left when right-aligned); a wider one
// pushes the rest of the line right.
struct QsoColumn {
  std::size_t width;
  bool rightAligned;
};
constexpr QsoColumn kQsoColumns[] = {
    {5, true},    // frequency in kHz
    {2, true},    // mode code
    {0, false},   // "yyyy-mm-dd hhmm", or nothing without a valid time
    {13, false},  // own call
    {3, false},   // RST sent
    {6, false},   // exchange sent
    {13, false},  // worked call
    {3, false},   // RST received
    {0, false},   // exchange received, the rest of the line
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
