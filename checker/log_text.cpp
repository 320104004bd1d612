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
  const auto plain = [](char c) { return static_cast<unsigned char>(c) >= 0x20 || c == '\t'; };
  if (utf8.find('\xC2') == std::string::npos && utf8.find('\x7F') == std::string::npos &&
      std::all_of(utf8.begin(), utf8.end(), plain)) {
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
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

LogText DecodeLog(std::string_view bytes) {
  LogText log;
  log.encoding = EncodingOf(bytes);
  if (log.encoding == Encoding::Utf16) return log;
  if (log.encoding == Encoding::Utf8WithBom) bytes.remove_prefix(kBom.size());
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
    const std::string_view raw = bytes.substr(at, end - at);
    ++log.lineCount;
    if (!Blank(raw)) log.lines.push_back(MakeLine(log.lineCount, AsUtf8(raw, log.encoding)));
    at = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return log;
}

}  // namespace kovra::check
