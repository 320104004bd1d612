#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checker/findings.h"
#include "checker/log_text.h"
#include "checker/qso_line.h"

namespace kovra::check {

struct TagLine {
  int line = 0;
  std::string tag;    // in capitals
  std::string value;  // without the blanks around it
};

struct QsoLine {
  int line = 0;
  QsoFields fields;
  std::optional<Finding> problem;  // why the line cannot be read
};

struct CabrilloLog {
  Encoding encoding = Encoding::Ascii;
  int lineCount = 0;
  bool empty = true;              // no line to read: an empty or a UTF-16 file
  std::vector<TagLine> tags;      // the header's lines, X- lines left out, in file order
  std::vector<QsoLine> qsos;      // in file order
  std::vector<Finding> findings;  // of the log's structure: start, end, tag
};

// Reads the log as far as END-OF-LOG. Never fails: whatever cannot be read
// becomes a finding at its line.
CabrilloLog ReadCabrillo(std::string_view bytes);

// The first line with the tag; null when there is none.
const TagLine* FirstTag(const CabrilloLog& log, std::string_view tag);

}  // namespace kovra::check
