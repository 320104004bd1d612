#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kovra {

// The amateur band holding the frequency, named as the host names it ("80", "2",
// "70cm"); empty outside every band.
std::string BandOfFrequency(uint32_t hz);

// The band's lowest frequency; nothing for a band the plan does not hold.
std::optional<uint32_t> BandLowerEdge(std::string_view band);

}  // namespace kovra
