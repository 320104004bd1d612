#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/band_plan.h"

namespace kovra::replay {

struct FreqReading {
  enum Status { Hz, NotANumber, Above32Bits } status = NotANumber;
  uint32_t hz = 0;  // with status Hz only
};

// The most the host's 32-bit Hz field holds, as ADIF writes it.
constexpr char kMaxFreqMHz[] = "4294.967295";

// ADIF's FREQ (MHz) in Hz, read digit by digit so that 14.0705 gives exactly
// 14070500; digits below 1 Hz are dropped.
FreqReading ParseFreqMHz(std::string_view text);

// ADIF's BAND as the host names it, and as BandOfFrequency does: metre bands
// without their unit ("20m" gives "20"); centimetre and millimetre bands keep
// theirs, so "70cm" is not 70 m.
std::string BandFromAdif(std::string_view band);

}  // namespace kovra::replay
