#include "checker/log_text.h"

#include <algorithm>

#include "platform/cp1251_utf8.h"

namespace kovra::check {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

Encoding EncodingOf(std::string_view bytes) {
  if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) return Encoding::Utf16;
  if (StartsWith(bytes, kBom)) return Encoding::Utf8WithBom;
  if (!IsUtf8(bytes)) return Encoding::Cp1251;
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return Encoding::Utf8;
  }
  return Encoding::Ascii;
}

// C0 controls but TAB, DEL, and the C1 controls of UTF-8: a terminal may act on them.
bool IsControl(std::string_view utf8, std::size_t at, std::size_t& length) {
  const auto c = static_cast<unsigned char>(utf8[at]);
  length = 1;
  if ((c < 0x20 && c != '\t') || c == 0x7F) return true;
  if (c != 0xC2 || at + 1 >= utf8.size()) return false;
  const auto next = static_cast<unsigned char>(utf8[at + 1]);
  length = 2;
  return next >= 0x80 && next <= 0x9F;
}

LogLine MakeLine(int number, std::string utf8) {
  LogLine line{number, std::string(), false};
  // A line with no byte that may begin a control character is kept as it is.
  const auto suspect = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && c != '\t') || u == 0x7F || u == 0xC2;
  };
  if (std::none_of(utf8.begin(), utf8.end(), suspect)) {
    line.text = std::move(utf8);
    return line;
  }
  line.text.reserve(utf8.size());
  for (std::size_t at = 0, length; at < utf8.size(); at += length) {
    if (IsControl(utf8, at, length)) {
      line.text += kReplacement;
      line.control = true;
    } else {
      line.text += utf8[at];
      length = 1;
    }
  }
  return line;
}

std::string AsUtf8(std::string_view raw, Encoding encoding) {
  switch (encoding) {
    case Encoding::Cp1251: return Cp1251ToUtf8(raw);
    case Encoding::Utf8WithBom: return WellFormedUtf8(raw);
    default: return std::string(raw);
  }
}

bool Blank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// A byte at a time: find_first_of would search its set for every byte of a large file.
std::size_t LineEnd(std::string_view bytes, std::size_t at) {
  while (at < bytes.size() && bytes[at] != '\r' && bytes[at] != '\n') ++at;
  return at;
}

}  // namespace

LogText DecodeLog(std::string_view bytes) {
  LogText log;
  log.encoding = EncodingOf(bytes);
  if (log.encoding == Encoding::Utf16) return log;
  if (log.encoding == Encoding::Utf8WithBom) bytes.remove_prefix(kBom.size());
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = LineEnd(bytes, at);
    const std::string_view raw = bytes.substr(at, end - at);
    ++log.lineCount;
    if (!Blank(raw)) log.lines.push_back(MakeLine(log.lineCount, AsUtf8(raw, log.encoding)));
    at = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return log;
}

}  // namespace kovra::check
