#include "tests/model/model_cabrillo.h"

#include <cstdio>

#include "tests/model/model_date.h"

namespace kovra::model {
namespace {

std::string PadLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string PadRight(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string DateField(const OleDate& time) {
  const auto m = MomentOf(time);
  if (!m) return "";
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", m->year, m->month, m->day, m->hour,
                m->minute);
  return text;
}

std::string Header(const ModelSettings& s, int claimedScore) {
  return "START-OF-LOG: 3.0\r\n"
         "CONTEST: VELMORA\r\n"
         "CALLSIGN: " +
         s.callsign + "\r\n" + "CATEGORY-OPERATOR: " + s.categoryOperator + "\r\n" +
         "CATEGORY-BAND: " + s.categoryBand + "\r\n" + "CATEGORY-POWER: " + s.categoryPower +
         "\r\n" + "CATEGORY-OVERLAY: " + s.categoryOverlay + "\r\n" + "LOCATION: " + s.location +
         "\r\n" + "CLAIMED-SCORE: " + std::to_string(claimedScore) + "\r\n" + "CLUB: " + s.club +
         "\r\n" +
         "CREATED-BY: Zelk \r\n"
         "NAME: " +
         s.name + "\r\n" + "ADDRESS: " + s.address + "\r\n" + "OPERATORS: " + s.operators + "\r\n" +
         "EMAIL: " + s.email + "\r\n" + "SOAPBOX: " + s.soapbox + "\r\n";
}

}  // namespace

void AddQsoLine(ModelSettings& s, const QsoLineFields& q) {
  // Signed, as the line's %i prints it.
  const std::string freq = std::to_string(static_cast<int>(q.freqKHz));
  s.qsoLines.push_back(
      "QSO: " + PadLeft(freq, 5) + " " + PadLeft(q.modeCode, 2) + " " + DateField(q.time) + " " +
      PadRight(s.callsign, 13) + " " + PadRight(q.rstSent, 3) + " " + PadRight(q.exchgSent, 6) +
      " " + PadRight(q.call, 13) + " " + PadRight(q.rstRcvd, 3) + " " + q.exchgRcvd + "\r\n");
}

std::string WriteCabrilloLog(ModelSettings& s, int claimedScore, Platform& platform) {
  const std::string name = s.logBaseName + ".cbr";
  std::string bytes = Header(s, claimedScore);
  if (const auto extra = platform.ReadFile("cabrillo.ini")) bytes += *extra;
  for (const std::string& line : s.qsoLines) bytes += line;
  bytes += "END-OF-LOG:\r\n";
  const bool written = platform.ReplaceFile(name, bytes);
  s.qsoLines.clear();
  return (written ? "File produced: " : "File not produced: ") + name;
}

}  // namespace kovra::model
