#include "output/cabrillo_writer.h"

#include <charconv>
#include <iterator>

namespace kovra {
namespace {

void AppendPadded(std::string& out, std::string_view text, std::size_t width, bool rightAligned) {
  const std::size_t fill = text.size() < width ? width - text.size() : 0;
  if (!rightAligned) out.append(text);
  out.append(fill, ' ');
  if (rightAligned) out.append(text);
}

// Zero-padded to exactly `width` digits; callers pass values that fit.
void AppendFixedDigits(std::string& out, int value, int width) {
  char digits[4];
  for (int i = width - 1; i >= 0; --i, value /= 10) digits[i] = static_cast<char>('0' + value % 10);
  out.append(digits, static_cast<std::size_t>(width));
}

std::string Header(const StationSettings& s, int claimedScore) {
  std::string h = "START-OF-LOG: 3.0\r\nCONTEST: ";
  h.append(kCabrilloContest).append("\r\n");
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
  if (mode == "CW") return kModeCodeCw;
  if (mode == "SSB") return kModeCodePhone;
  return kModeCodeOther;
}

void AppendCabrilloDateTime(std::string& out, const OleDate& time) {
  const auto p = ToDateTimeParts(time);
  if (!p) return;
  AppendFixedDigits(out, p->year, 4);
  out += '-';
  AppendFixedDigits(out, p->month, 2);
  out += '-';
  AppendFixedDigits(out, p->day, 2);
  out += ' ';
  AppendFixedDigits(out, p->hour, 2);
  AppendFixedDigits(out, p->minute, 2);
}

void AddQsoLine(StationSettings& s, const QsoFields& q) {
  // Built without a format so that no text is cut, however long.
  char freq[16];
  const auto freqEnd = std::to_chars(freq, freq + sizeof freq, q.freqKHz).ptr;
  std::string dateTime;
  AppendCabrilloDateTime(dateTime, q.time);
  const std::string_view values[] = {
      std::string_view(freq, static_cast<std::size_t>(freqEnd - freq)),
      q.modeCode,
      dateTime,
      s.callsign,
      q.rstSent,
      q.exchgSent,
      q.call,
      q.rstRcvd,
      q.exchgRcvd};
  static_assert(std::size(values) == std::size(kQsoColumns));
  std::string& out = s.qsoLines;
  out += "QSO:";
  for (std::size_t i = 0; i < std::size(values); ++i) {
    out += ' ';
    AppendPadded(out, values[i], kQsoColumns[i].width, kQsoColumns[i].rightAligned);
  }
  out += "\r\n";
}

std::string CabrilloFileName(std::string_view logBaseName) {
  return std::string(logBaseName) + ".cbr";
}

std::string WriteCabrilloLog(StationSettings& s, int claimedScore, Platform& platform) {
  const std::string fileName = CabrilloFileName(s.logBaseName);
  std::string bytes = Header(s, claimedScore);
  const auto extra = platform.ReadFile("cabrillo.ini");
  bytes.reserve(bytes.size() + (extra ? extra->size() : 0) + s.qsoLines.size() + 16);
  if (extra) bytes += *extra;
  bytes += s.qsoLines;
  bytes += "END-OF-LOG:\r\n";
  s.qsoLines.clear();
  const bool written = platform.ReplaceFile(fileName, bytes);
  return (written ? "File produced: " : "File not produced: ") + fileName;
}

}  // namespace kovra
