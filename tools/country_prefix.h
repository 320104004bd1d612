#pragma once
#include <string>
#include <string_view>

namespace kovra::replay {

// The country prefix the host hands over: "UA", "UA2" or "UA9" for the DXCC
// entities 54, 126 and 15; otherwise worked out from the call.
std::string CountryPrefix(std::string_view dxcc, std::string_view call);

// From the call alone. Russian calls (R, UA to UI) give "UA2" for the digit 2
// followed by F or K, "UA9" for the digits 8, 9 and 0, else "UA"; any other
// call gives its letters and digits up to and including the first digit.
// Only the part before a "/" counts, so UA3ABC/P and DL/UA3ABC give UA and DL.
std::string PrefixOfCall(std::string_view call);

}  // namespace kovra::replay
