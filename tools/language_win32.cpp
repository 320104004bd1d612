#include <windows.h>

#include "tools/language.h"

namespace kovra {

check::Language UserLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN ? check::Language::Russian
                                                                   : check::Language::English;
}

}  // namespace kovra
