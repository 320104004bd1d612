#pragma once
#include <cstddef>
#include <vector>

#include "tools/qso_mapping.h"

namespace kovra::replay {

// A contact that works a station again on the same band and mode within one
// tour: one half hour of the UTC clock, named by hour and half, whatever the date.
struct TourRepeat {
  std::size_t first = 0;   // index of the station's first contact in that tour
  std::size_t repeat = 0;  // index of the repeating contact
  int tourHour = 0;
  bool secondHalf = false;
};

// In the order of the repeating contacts. Contacts without a call or without a
// valid time repeat nothing. Times count after rounding to the whole second.
std::vector<TourRepeat> FindTourRepeats(const std::vector<QsoContact>& contacts);

}  // namespace kovra::replay
