#include "tools/adif_reader.h"

#include <cstddef>
#include <cstdint>

#include "platform/ascii_text.h"

namespace kovra::replay {
namespace {

// The inside of "<NAME:LENGTH[:TYPE]>". The length saturates rather than
// overflow: anything past the text's size fails the same way.
bool ParseSpecifier(std::string_view tag, std::uint64_t limit, std::string& name,
                    std::uint64_t& length) {
  const std::size_t colon = tag.find(':');
  name = Upper(tag.substr(0, colon));
  std::string_view rest = tag.substr(colon + 1);
  const std::size_t typeColon = rest.find(':');
  const std::string_view type =
      typeColon == std::string_view::npos ? std::string_view() : rest.substr(typeColon + 1);
  const std::string_view digits = rest.substr(0, typeColon);
  if (name.empty() || name.find('<') != std::string::npos || digits.empty()) return false;
  if (typeColon != std::string_view::npos && (type.size() != 1 || !IsLetter(type[0]))) {
    return false;
  }
  length = 0;
  for (const char c : digits) {
    if (!IsDigit(c)) return false;
    if (length <= limit) length = length * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return true;
}

class Reader {
 public:
  Reader(std::string_view text, AdifLog& log, AdifError& error)
      : text_(text), log_(log), error_(error), inHeader_(!text.empty() && text[0] != '<') {}

  bool Run() {
    std::size_t pos = 0;
    while ((pos = text_.find('<', pos)) != std::string_view::npos) {
      if (!Tag(pos)) return false;
    }
    if (inHeader_)
      return Fail("the file does not begin with \"<\", so it needs a header ending in <EOH>");
    if (!fields_.empty()) EndRecord(false);
    return true;
  }

 private:
  // Reads the tag at `pos` (and its value) and moves `pos` past it.
  bool Tag(std::size_t& pos) {
    const std::size_t close = text_.find('>', pos);
    if (close == std::string_view::npos) return Fail("a tag \"<\" is never closed by \">\"");
    const std::string_view tag = text_.substr(pos + 1, close - pos - 1);
    pos = close + 1;
    if (tag.find(':') == std::string_view::npos) {
      Marker(Upper(tag));
      return true;
    }
    std::string name;
    std::uint64_t length = 0;
    if (!ParseSpecifier(tag, text_.size(), name, length)) {
      return Fail("malformed field tag <" + std::string(tag) + ">");
    }
    const std::size_t left = text_.size() - pos;
    if (length > left) {
      return Fail("field " + name + " runs past the end of the file (" + std::to_string(length) +
                  " bytes announced, " + std::to_string(left) + " left)");
    }
    fields_.push_back({name, std::string(text_.substr(pos, static_cast<std::size_t>(length)))});
    pos += static_cast<std::size_t>(length);
    return true;
  }

  // Any other marker is text between fields.
  void Marker(const std::string& marker) {
    if (inHeader_ && marker == "EOH") {
      log_.header.swap(fields_);
      fields_.clear();
      inHeader_ = false;
    } else if (!inHeader_ && marker == "EOR" && !fields_.empty()) {
      EndRecord(true);
    }
  }

  void EndRecord(bool ended) {
    AdifRecord record;
    record.number = static_cast<int>(log_.records.size()) + 1;
    record.ended = ended;
    record.fields.swap(fields_);
    log_.records.push_back(std::move(record));
  }

  bool Fail(std::string message) {
    error_.record = inHeader_ ? 0 : static_cast<int>(log_.records.size()) + 1;
    error_.message = std::move(message);
    return false;
  }

  std::string_view text_;
  AdifLog& log_;
  AdifError& error_;
  bool inHeader_;
  std::vector<AdifField> fields_;
};

}  // namespace

const std::string* AdifRecord::Find(std::string_view name) const {
  for (const AdifField& field : fields) {
    if (field.name == name) return &field.value;
  }
  return nullptr;
}

bool ParseAdif(std::string_view text, AdifLog& log, AdifError& error) {
  log = AdifLog();
  constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  return Reader(text, log, error).Run();
}

}  // namespace kovra::replay
