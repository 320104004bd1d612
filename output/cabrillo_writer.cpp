#include "output/cabrillo_writer.h"

#include <cstdio>

namespace kovra {
namespace {

void AppendPadded(std::string& out, std::string_view text, std::size_t width, bool left) {
  const std::size_t fill = text.size() < width ? width - text.size() : 0;
  if (!left) out.append(text);
  out.append(fill, ' ');
  if (left) out.append(text);
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
  // "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n", built without a format
  // so that no text is cut, however long.
  std::string line = "QSO: ";
  line.reserve(96 + s.callsign.size() + q.call.size() + q.exchgRcvd.size());
  AppendPadded(line, std::to_string(q.freqKHz), 5, true);
  line += ' ';
  AppendPadded(line, q.modeCode, 2, true);
  line.append(" ").append(CabrilloDateTime(q.time)).append(" ");
  AppendPadded(line, s.callsign, 13, false);
  line += ' ';
  AppendPadded(line, q.rstSent, 3, false);
  line += ' ';
  AppendPadded(line, q.exchgSent, 6, false);
  line += ' ';
  AppendPadded(line, q.call, 13, false);
  line += ' ';
  AppendPadded(line, q.rstRcvd, 3, false);
  line.append(" ").append(q.exchgRcvd).append("\r\n");
  s.qsoLines.push_back(std::move(line));
}

std::string WriteCabrilloLog(StationSettings& s, int claimedScore, Platform& platform) {
  const std::string fileName = s.logBaseName + ".cbr";
  std::string bytes = Header(s, claimedScore);
  const auto extra = platform.ReadFile("cabrillo.ini");
  std::size_t size = bytes.size() + (extra ? extra->size() : 0) + 16;
  for (const std::string& line : s.qsoLines) size += line.size();
  bytes.reserve(size);
  if (extra) bytes += *extra;
  for (const std::string& line : s.qsoLines) bytes += line;
  bytes += "END-OF-LOG:\r\n";
  s.qsoLines.clear();
  const bool written = platform.ReplaceFile(fileName, bytes);
  return (written ? "File produced: " : "File not produced: ") + fileName;
}

}  // namespace kovra
