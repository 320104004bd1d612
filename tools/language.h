#pragma once
// Which language a program speaks to people: --lang, else the user's own.
#include <optional>
#include <string_view>

#include "checker/texts.h"

namespace kovra {

// "en" or "ru", as --lang names them; nothing for another name.
std::optional<check::Language> ParseLanguage(std::string_view name);

// The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty decides:
// Russian when it starts with "ru". Null pointers stand for unset variables.
check::Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

// The user's language: the locale's natively, the user interface's on Windows.
check::Language UserLanguage();

}  // namespace kovra
