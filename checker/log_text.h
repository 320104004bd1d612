#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kovra::check {

enum class Encoding { Ascii, Utf8, Utf8WithBom, Cp1251, Utf16 };

struct LogLine {
  int number = 0;        // from 1, counting every line of the file
  std::string text;      // UTF-8, without its line end
  bool control = false;  // held a control character other than TAB, now U+FFFD
};

struct LogText {
  Encoding encoding = Encoding::Ascii;
  std::vector<LogLine> lines;  // the lines that hold more than blanks
  int lineCount = 0;           // every line, blank ones too
};

// Splits at CR LF, LF or a lone CR and gives every text as UTF-8: well-formed
// UTF-8 (with or without a byte-order mark) as it is, anything else as code
// page 1251. UTF-16 is recognised by its byte-order mark and not read.
LogText DecodeLog(std::string_view bytes);

}  // namespace kovra::check
