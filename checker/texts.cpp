#include "checker/texts.h"

#include "checker/text_table.h"

namespace kovra::check {

std::string_view TextOf(Text text, Language language) {
  return language == Language::Russian ? RussianText(text) : EnglishText(text);
}

std::string Format(Text text, Language language, const std::vector<std::string>& args) {
  return FillSlots(TextOf(text, language), args);
}

std::string FillSlots(std::string_view pattern, const std::vector<std::string>& args) {
  std::string out;
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const bool slot = pattern[at] == '{' && at + 2 < pattern.size() && pattern[at + 2] == '}' &&
                      pattern[at + 1] >= '1' && pattern[at + 1] <= '9';
    const std::size_t index = slot ? static_cast<std::size_t>(pattern[at + 1] - '1') : 0;
    if (slot && index < args.size()) {
      out += args[index];
      at += 2;
    } else {
      out += pattern[at];
    }
  }
  return out;
}

}  // namespace kovra::check
