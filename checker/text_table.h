#pragma once
// The per-language tables behind TextOf; each is checked, when it is compiled,
// to hold every text once and in the order of the enum.
#include <cstddef>
#include <string_view>

#include "checker/texts.h"

namespace kovra::check {

struct TextEntry {
  Text id;
  std::string_view text;
};

constexpr std::size_t kTextCount = static_cast<std::size_t>(Text::Count);

template <std::size_t N>
constexpr bool InEnumOrder(const TextEntry (&table)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(table[i].id) != i) return false;
  }
  return N == kTextCount;
}

std::string_view EnglishText(Text text);
std::string_view RussianText(Text text);

}  // namespace kovra::check
