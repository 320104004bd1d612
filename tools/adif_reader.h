#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kovra::replay {

struct AdifField {
  std::string name;   // upper case: ADIF names are case-insensitive
  std::string value;  // the raw bytes, as long as the tag said
};

struct AdifRecord {
  int number = 0;     // 1 for the first QSO record of the file
  bool ended = true;  // false: the file ended before its <EOR>
  std::vector<AdifField> fields;

  // The first field of that (upper-case) name, or null.
  const std::string* Find(std::string_view name) const;
};

struct AdifLog {
  std::vector<AdifField> header;
  std::vector<AdifRecord> records;  // records without any field are left out
};

struct AdifError {
  int record = 0;  // 0: in the header
  std::string message;
};

// Reads an ADIF (.adi) text, after a UTF-8 byte-order mark if there is one.
// A text whose first byte (after the mark) is not "<" has a header
// ending in <EOH>. On malformed input returns false and says where in `error`.
bool ParseAdif(std::string_view text, AdifLog& log, AdifError& error);

}  // namespace kovra::replay
