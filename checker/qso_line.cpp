#include "checker/qso_line.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "checker/qso_rules.h"
#include "output/cabrillo_writer.h"
#include "platform/ascii_text.h"

namespace kovra::check {
namespace {

constexpr std::size_t kTagLength = 4;  // "QSO:"
constexpr std::size_t kDateTimeColumn = 2, kSentColumn = 5;
constexpr std::size_t kDateTimeLength = kDateShape.size() + 1 + kTimeShape.size();

std::string_view RightTrimmed(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The plug-in's date-time column: the date, a blank, the time.
bool IsDateTime(std::string_view text) {
  const std::size_t date = kDateShape.size();
  return text.size() == kDateTimeLength && HasShape(text.substr(0, date), kDateShape) &&
         text[date] == ' ' && HasShape(text.substr(date + 1), kTimeShape);
}

// One column of the plug-in's layout at `at`, which moves past it; false when
// the line does not follow the layout there.
bool ReadColumn(std::string_view line, std::size_t& at, std::size_t column, std::string& value) {
  const QsoColumn& c = kQsoColumns[column];
  const std::size_t rest = line.size() - at;
  if (column + 1 == std::size(kQsoColumns)) {
    value = RightTrimmed(line.substr(at));
  } else if (column == kDateTimeColumn) {
    const bool empty = rest == 0 || line[at] == ' ';
    if (!empty && !IsDateTime(line.substr(at, kDateTimeLength))) return false;
    value = empty ? std::string_view() : line.substr(at, kDateTimeLength);
  } else if (c.rightAligned) {
    std::size_t start = at;
    while (start < line.size() && line[start] == ' ' && start - at + 1 < c.width) ++start;
    const std::size_t end = std::min(line.find(' ', start), line.size());
    value = line.substr(start, end - start);
    const std::size_t fill = value.size() < c.width ? c.width - value.size() : 0;
    if (value.empty() || start - at != fill) return false;
  } else if (rest <= c.width || line[at + c.width] == ' ') {
    value = RightTrimmed(line.substr(at, c.width));  // filled to its width, or the line's end
    if (!value.empty() && value.front() == ' ') return false;  // filled on the wrong side
  } else {
    const std::size_t end = std::min(line.find(' ', at), line.size());
    if (end < at + c.width) return false;
    value = line.substr(at, end - at);
  }
  at = std::min(at + std::max(value.size(), c.width), line.size());
  // Calls and reports never hold a blank; the date-time and the exchanges may.
  const bool blankInside = value.find_first_of(" \t") != std::string::npos;
  return !blankInside || column == kDateTimeColumn || column == kSentColumn ||
         column + 1 == std::size(kQsoColumns);
}

bool ReadByColumns(std::string_view line, QsoFields& f) {
  std::string dateTime;
  std::string* values[] = {&f.freq, &f.mode, &dateTime,      &f.ownCall, &f.rstSent,
                           &f.sent, &f.call, &f.rstReceived, &f.received};
  static_assert(std::size(values) == std::size(kQsoColumns));
  std::size_t at = kTagLength;
  for (std::size_t column = 0; column < std::size(values); ++column) {
    if (at == line.size() && column > kSentColumn) continue;  // cut after the sent exchange
    if (at >= line.size() || line[at] != ' ') return false;
    ++at;
    if (!ReadColumn(line, at, column, *values[column])) return false;
  }
  if (!AllDigits(f.freq)) return false;
  if (!dateTime.empty()) {
    f.date = dateTime.substr(0, kDateShape.size());
    f.time = dateTime.substr(kDateShape.size() + 1);
  }
  return true;
}

std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  for (std::size_t at = 0;;) {
    const std::size_t start = text.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) return tokens;
    at = std::min(text.find_first_of(" \t", start), text.size());
    tokens.push_back(text.substr(start, at - start));
  }
}

Finding Problem(int number, Text text, std::vector<Arg> args) {
  return {number, Severity::Error, Code::Qso, text, std::move(args)};
}

constexpr Text kHeadFields[] = {Text::FieldFrequency, Text::FieldMode, Text::FieldDate,
                                Text::FieldTime};
constexpr Text kTailFields[] = {Text::FieldOwnCall, Text::FieldRstSent,     Text::FieldSent,
                                Text::FieldCall,    Text::FieldRstReceived, Text::FieldReceived};

// Own call, RST and number, then the worked call, RST and number; a region pair
// may follow either number.
std::optional<Finding> ReadByTokens(std::string_view line, int number, QsoFields& f) {
  const std::vector<std::string_view> t = Tokens(line.substr(kTagLength));
  if (t.size() < std::size(kHeadFields))
    return Problem(number, Text::FieldMissing, {kHeadFields[t.size()]});
  f.freq = t[0], f.mode = t[1], f.date = t[2], f.time = t[3];
  const std::vector<std::string_view> r(t.begin() + 4, t.end());
  if (r.size() < std::size(kTailFields))
    return Problem(number, Text::FieldMissing, {kTailFields[r.size()]});
  if (r.size() > std::size(kTailFields) + 2) {
    return Problem(number, Text::ExtraFields, {std::string(r[std::size(kTailFields) + 2])});
  }
  const bool sentRegion = r.size() == 8 || (r.size() == 7 && IsRegionPair(r[3]));
  const bool receivedRegion = r.size() == 8 || (r.size() == 7 && !sentRegion);
  std::size_t i = 0;
  const auto next = [&](bool withRegion) {
    std::string value(r[i++]);
    if (withRegion) value.append(" ").append(r[i++]);
    return value;
  };
  f.ownCall = next(false), f.rstSent = next(false), f.sent = next(sentRegion);
  f.call = next(false), f.rstReceived = next(false), f.received = next(receivedRegion);
  return std::nullopt;
}

}  // namespace

QsoFields ReadQsoLine(std::string_view line, int number, std::optional<Finding>& problem) {
  QsoFields fields;
  problem.reset();
  if (!ReadByColumns(line, fields)) {
    fields = QsoFields();
    problem = ReadByTokens(line, number, fields);
  }
  return fields;
}

}  // namespace kovra::check
