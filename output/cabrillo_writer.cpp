#include "output/cabrillo_writer.h"

#include <cstdio>

namespace kovra {
namespace {

std::string PadRight(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::string PadLeft(std::string_view text, std::size_t width) {
  return text.size() >= width ? std::string(text)
                              : std::string(width - text.size(), ' ') + std::string(text);
}

std::string Header(const StationSettings& s, int claimedScore) {
  std::string h = "START-OF-LOG: 3.0\r\nCONTEST: VELMORA\r\n";
  auto line = [&h](const char* tag, const std::string& value) {
    h.append(tag).append(value).append("\r\n");
  };
  line("CALLSIGN: ", s.callsign);
  line("CATEGORY-OPERATOR: ", s.categoryOperator);
  line("CATEGORY-BAND: ", s.categoryBand);
  line("CATEGORY-POWER: ", s.categoryPower);
  line("CATEGORY-OVERLAY: ", s.categoryOverlay);
  line("LOCATION: ", s.location);
  line("CLAIMED-SCORE: ", std::to_string(claimedScore));
  line("CLUB: ", s.club);
  h += "CREATED-BY: Zelk \r\n";
  line("NAME: ", s.name);
  line("ADDRESS: ", s.address);
  line("OPERATORS: ", s.operators);
  line("EMAIL: ", s.email);
  line("SOAPBOX: ", s.soapbox);
  return h;
}

}  // namespace

std::string_view CabrilloModeCode(std::string_view mode) {
  if (mode == "CW") return "CW";
  if (mode == "SSB") return "PH";
  return "PM";
}

std::string CabrilloDateTime(const OleDate& time) {
  const auto p = ToDateTimeParts(time);
  if (!p) return std::string();
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", p->year, p->month, p->day, p->hour,
                p->minute);
  return text;
}

void AddQsoLine(StationSettings& s, const QsoFields& q) {
  std::string line = "QSO: " + PadLeft(std::to_string(q.freqKHz), 5) + ' ' +
                     PadLeft(q.modeCode, 2) + ' ' + CabrilloDateTime(q.time) + ' ' +
                     PadRight(s.callsign, 13) + ' ' + PadRight(q.rstSent, 3) + ' ' +
                     PadRight(q.exchgSent, 6) + ' ' + PadRight(q.call, 13) + ' ' +
                     PadRight(q.rstRcvd, 3) + ' ';
  line.append(q.exchgRcvd).append("\r\n");
  s.qsoLines.push_back(std::move(line));
}

std::string WriteCabrilloLog(StationSettings& s, int claimedScore, Platform& platform) {
  const std::string fileName = s.logBaseName + ".cbr";
  std::string bytes = Header(s, claimedScore);
  if (const auto extra = platform.ReadFile("cabrillo.ini")) bytes += *extra;
  for (const std::string& line : s.qsoLines) bytes += line;
  bytes += "END-OF-LOG:\r\n";
  s.qsoLines.clear();
  const bool written = platform.ReplaceFile(fileName, bytes);
  return (written ? "File produced: " : "File not produced: ") + fileName;
}

}  // namespace kovra
