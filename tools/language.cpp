#include "tools/language.h"

namespace kovra {

std::optional<check::Language> ParseLanguage(std::string_view name) {
  if (name == "en") return check::Language::English;
  if (name == "ru") return check::Language::Russian;
  return std::nullopt;
}

check::Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value && *value) {
      return std::string_view(value).substr(0, 2) == "ru" ? check::Language::Russian
                                                          : check::Language::English;
    }
  }
  return check::Language::English;
}

}  // namespace kovra
