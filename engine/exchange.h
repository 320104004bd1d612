#pragma once
#include <string>
#include <string_view>

namespace kovra {

// "UA", "UA2" or "UA9", exactly.
bool IsHomePrefix(std::string_view prefix);

// Three or four decimal digits, but not "599".
bool IsValidExchange(std::string_view text);

struct NormalisedExchange {
  std::string text;    // serial, a blank, region pair: "001MA" and "001 MA" give "001 MA"
  std::string region;  // the pair; shorter or empty when the text was short
};

// Characters a short received text does not have are left out.
NormalisedExchange NormaliseExchange(std::string_view received);

}  // namespace kovra
