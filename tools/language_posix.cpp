#include <cstdlib>

#include "tools/language.h"

namespace kovra {

check::Language UserLanguage() {
  return LanguageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

}  // namespace kovra
