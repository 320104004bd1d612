#include "checker/people_report.h"

#include <map>

#include "checker/labels.h"

namespace kovra::check {
namespace {

constexpr std::size_t kShownPerCode = 20;
constexpr std::size_t kShownNearEdges = 20;

std::string PadLeft(const std::string& text, std::size_t width) {
  const std::size_t w = Width(text);
  return std::string(w < width ? width - w : 0, ' ') + text;
}

std::string Word(Text text, Language language) { return std::string(TextOf(text, language)); }

Text EncodingText(Encoding encoding) {
  switch (encoding) {
    case Encoding::Ascii: return Text::EncodingAscii;
    case Encoding::Utf8: return Text::EncodingUtf8;
    case Encoding::Utf8WithBom: return Text::EncodingUtf8Bom;
    case Encoding::Utf16: return Text::EncodingUtf16;
    case Encoding::Cp1251: break;
  }
  return Text::EncodingCp1251;
}

std::string FindingLine(const Finding& f, Language language, std::size_t severityWidth) {
  const Text severity = f.severity == Severity::Error ? Text::Error : Text::Warning;
  return "  " + PadRight(Word(Text::Line, language) + " " + std::to_string(f.line), 12) +
         PadRight(Word(severity, language), severityWidth + 2) +
         PadRight(std::string(CodeName(f.code)), 11) + FindingText(f, language) + "\n";
}

std::string TourRowText(const std::vector<std::string>& cells,
                        const std::vector<std::size_t>& widths) {
  std::string line = "  " + PadRight(cells[0], 12) + PadRight(cells[1], 6);
  for (std::size_t i = 2; i < cells.size(); ++i) line += PadLeft(cells[i], widths[i] + 2);
  return line + "\n";
}

std::string NearEdgesText(const TourView& view, Language language) {
  if (view.nearEdges.empty()) return std::string();
  std::string text = "\n" + Word(Text::NearEdgesHeading, language) + "\n";
  for (std::size_t i = 0; i < view.nearEdges.size() && i < kShownNearEdges; ++i) {
    const EdgeQso& q = view.nearEdges[i];
    text += "  " + PadRight(Word(Text::Line, language) + " " + std::to_string(q.line), 12) +
            DateText(q.time) + " " + TimeText(q.time) + "  " + PadRight(q.call, 13) + " " +
            BandLabel(q.band) + "\n";
  }
  if (view.nearEdges.size() > kShownNearEdges) {
    text += "  ...  " + std::to_string(view.nearEdges.size() - kShownNearEdges) + "\n";
  }
  return text;
}

}  // namespace

// Cyrillic takes two bytes of UTF-8 a letter.
std::size_t Width(const std::string& utf8) {
  std::size_t n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string PadRight(const std::string& text, std::size_t width) {
  const std::size_t w = Width(text);
  return text + std::string(w < width ? width - w : 0, ' ');
}

std::string HeadingText(const std::string& file, const LogCheck& log, Language language) {
  const auto orNone = [](const std::optional<std::string>& value) {
    return value && !value->empty() ? *value : std::string("\u2014");
  };
  return Format(Text::Heading, language,
                {file, orNone(log.callsign), orNone(log.contest),
                 Word(EncodingText(log.encoding), language)}) +
         "\n";
}

std::string FindingsText(const std::vector<Finding>& findings, Language language) {
  if (findings.empty()) return Word(Text::NoProblems, language) + "\n";
  std::string text = Format(Text::Problems, language,
                            {std::to_string(CountOf(findings, Severity::Error)),
                             std::to_string(CountOf(findings, Severity::Warning))}) +
                     "\n";
  const std::size_t severityWidth =
      std::max(Width(Word(Text::Error, language)), Width(Word(Text::Warning, language)));
  std::map<Code, std::size_t> seen;
  for (const Finding& f : findings) {
    if (++seen[f.code] <= kShownPerCode) text += FindingLine(f, language, severityWidth);
  }
  for (const auto& [code, count] : seen) {
    if (count <= kShownPerCode) continue;
    text += "  " +
            Format(Text::MoreOfCode, language,
                   {std::to_string(count - kShownPerCode), std::string(CodeName(code))}) +
            "\n";
  }
  return text;
}

std::string ScoreText(const LogCheck& log, Language language, bool crossChecked) {
  std::vector<std::pair<Text, std::string>> rows = {
      {Text::QsoLines, std::to_string(log.qsos.size())},
      {Text::Unreadable, std::to_string(log.unreadable)},
      {Text::WithoutCall, std::to_string(log.noCall)},
      {Text::Repeats, std::to_string(log.repeats)},
  };
  if (crossChecked) {
    rows.insert(rows.end(), {{Text::BustedCalls, std::to_string(log.bustedCalls)},
                             {Text::NotInLog, std::to_string(log.notInLog)},
                             {Text::ExchangeErrors, std::to_string(log.exchangeErrors)}});
  }
  rows.push_back({Text::CheckedScore, std::to_string(log.checkedScore)});
  if (crossChecked) rows.push_back({Text::UniqueCalls, std::to_string(log.uniqueCalls)});
  rows.push_back({Text::ClaimedScore, log.claimedScore ? std::to_string(*log.claimedScore)
                                                       : Word(Text::None, language)});
  std::size_t width = 0;
  for (const auto& [label, value] : rows) width = std::max(width, Width(Word(label, language)));
  std::string text = Word(Text::ScoreHeading, language) + "\n";
  for (const auto& [label, value] : rows) {
    text += "  " + PadRight(Word(label, language), width) + PadLeft(value, 8) + "\n";
  }
  return text;
}

std::string TourViewText(const TourView& view, Language language) {
  std::string text = Word(Text::ToursHeading, language) + "\n";
  if (view.rows.empty()) return text + "  " + Word(Text::NoTours, language) + "\n";
  std::vector<std::string> heading = {Word(Text::TourDate, language),
                                      Word(Text::TourStart, language)};
  for (const std::string& band : view.bands) heading.push_back(BandLabel(band));
  heading.push_back(Word(Text::TourRepeats, language));
  std::vector<std::size_t> widths;
  for (const std::string& cell : heading) widths.push_back(std::max<std::size_t>(Width(cell), 4));
  text += TourRowText(heading, widths);
  for (const TourRow& row : view.rows) {
    std::vector<std::string> cells = {DateText(row.start), TimeText(row.start)};
    for (const int n : row.qsos) cells.push_back(std::to_string(n));
    cells.push_back(std::to_string(row.repeats));
    text += TourRowText(cells, widths);
  }
  return text + NearEdgesText(view, language);
}

std::string VerdictText(const LogCheck& log, Language language) {
  const int errors = CountOf(log.findings, Severity::Error);
  const int warnings = CountOf(log.findings, Severity::Warning);
  if (errors > 0) return Format(Text::VerdictErrors, language, {std::to_string(errors)}) + "\n";
  if (warnings > 0)
    return Format(Text::VerdictWarnings, language, {std::to_string(warnings)}) + "\n";
  return Word(Text::VerdictClean, language) + "\n";
}

std::string PeopleReport(const std::string& file, const LogCheck& log, Language language) {
  return HeadingText(file, log, language) + "\n" + FindingsText(log.findings, language) + "\n" +
         ScoreText(log, language) + "\n" + TourViewText(BuildTourView(log.qsos), language) + "\n" +
         VerdictText(log, language);
}

}  // namespace kovra::check
