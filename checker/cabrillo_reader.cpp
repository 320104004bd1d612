#include "checker/cabrillo_reader.h"

#include <map>

#include "checker/cabrillo_tags.h"
#include "platform/ascii_text.h"

namespace kovra::check {
namespace {

constexpr std::string_view kVersion = "3.0", kVersion2 = "2.0";

bool IsTagCharacter(char c) { return IsLetter(c) || IsDigit(c) || c == '-' || c == '_'; }

// The tag before the first colon, or nothing when the line has none.
std::optional<std::string_view> TagOf(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == 0 || colon == std::string_view::npos) return std::nullopt;
  for (const char c : text.substr(0, colon)) {
    if (!IsTagCharacter(c)) return std::nullopt;
  }
  return text.substr(0, colon);
}

class Reader {
 public:
  explicit Reader(CabrilloLog& log) : log_(log) {}

  // False once END-OF-LOG has been read.
  bool Line(const LogLine& line, bool first) {
    const std::string_view text = Trim(line.text);
    const auto tag = TagOf(text);
    const std::string upper = tag ? Upper(*tag) : std::string();
    if (first && upper != "START-OF-LOG")
      Add(line.number, Severity::Error, Code::Start, Text::NoStart);
    if (!tag) {
      if (!first) Add(line.number, Severity::Error, Code::Tag, Text::NoTag);
      return true;
    }
    if (line.control) {
      Add(line.number, Severity::Warning, upper == "QSO" ? Code::Qso : Code::Tag,
          Text::ControlCharacter);
    }
    const TagKind kind = KindOfTag(upper);
    if (kind == TagKind::Qso) {
      QsoLine qso{line.number, {}, std::nullopt};
      qso.fields = ReadQsoLine(text, line.number, qso.problem);
      log_.qsos.push_back(std::move(qso));
    } else if (kind == TagKind::Once || kind == TagKind::Repeatable) {
      Header(line.number, upper, Trim(text.substr(tag->size() + 1)), kind);
    } else if (kind == TagKind::Version2) {
      Add(line.number, Severity::Warning, Code::Tag, Text::Version2Tag, {upper});
    } else if (kind == TagKind::Unknown) {
      const std::string nearest = NearestTag(upper);
      if (nearest.empty())
        Add(line.number, Severity::Error, Code::Tag, Text::UnknownTag, {upper});
      else
        Add(line.number, Severity::Error, Code::Tag, Text::UnknownTagNear, {upper, nearest});
    }
    return upper != "END-OF-LOG";
  }

  void Add(int line, Severity severity, Code code, Text text, std::vector<Arg> args = {}) {
    log_.findings.push_back({line, severity, code, text, std::move(args)});
  }

 private:
  void Header(int line, const std::string& tag, std::string_view value, TagKind kind) {
    const auto [seen, isFirst] = firstLine_.try_emplace(tag, line);
    if (tag == "START-OF-LOG") {
      if (!isFirst) {
        Add(line, Severity::Error, Code::Start, Text::StartAgain, {std::to_string(seen->second)});
      } else if (value == kVersion2) {
        Add(line, Severity::Warning, Code::Start, Text::StartVersion2);
      } else if (value != kVersion) {
        Add(line, Severity::Error, Code::Start, Text::StartVersion, {std::string(value)});
      }
    } else if (!isFirst && kind == TagKind::Once) {
      Add(line, Severity::Warning, Code::Tag, Text::TagAgain, {tag, std::to_string(seen->second)});
    }
    log_.tags.push_back({line, tag, std::string(value)});
  }

  CabrilloLog& log_;
  std::map<std::string, int> firstLine_;
};

}  // namespace

CabrilloLog ReadCabrillo(std::string_view bytes) {
  const LogText text = DecodeLog(bytes);
  CabrilloLog log;
  log.encoding = text.encoding;
  log.lineCount = text.lineCount;
  log.empty = text.lines.empty();
  Reader reader(log);
  if (log.encoding == Encoding::Utf16) {
    reader.Add(1, Severity::Error, Code::Start, Text::Utf16);
    return log;
  }
  if (log.empty) {
    reader.Add(1, Severity::Error, Code::Start, Text::EmptyFile);
    return log;
  }
  if (log.encoding == Encoding::Utf8WithBom) {
    reader.Add(1, Severity::Warning, Code::Start, Text::ByteOrderMark);
  }
  log.qsos.reserve(text.lines.size());  // a QSO line is large: growing would move each again
  std::size_t next = 0;
  while (next < text.lines.size() && reader.Line(text.lines[next], next == 0)) ++next;
  if (next == text.lines.size()) {
    reader.Add(log.lineCount, Severity::Error, Code::End, Text::NoEnd);
  } else if (++next < text.lines.size()) {
    reader.Add(text.lines[next].number, Severity::Error, Code::End, Text::AfterEnd,
               {std::to_string(text.lines.size() - next)});
  }
  return log;
}

const TagLine* FirstTag(const CabrilloLog& log, std::string_view tag) {
  for (const TagLine& t : log.tags) {
    if (t.tag == tag) return &t;
  }
  return nullptr;
}

}  // namespace kovra::check
