#pragma once
#include <cstddef>
#include <vector>

#include "platform/ole_date.h"
#include "tools/qso_mapping.h"

namespace kovra::replay {

// A record the plug-in stores only once: identical to an earlier one in all it keeps.
struct IdenticalRecord {
  std::size_t first = 0;  // index of the earliest of its kind
  std::size_t again = 0;
};

// A contact that works a station again on the same band and mode within one
// tour: one half hour of the UTC clock on one day.
struct TourRepeat {
  std::size_t first = 0;   // index of the station's first contact in that tour
  std::size_t repeat = 0;  // index of the repeating contact
  DateTimeParts tour{};    // its start: minute 0 or 30, second 0
};

// In the order of the repeated records.
std::vector<IdenticalRecord> FindIdenticalRecords(const std::vector<QsoContact>& contacts);

// In the order of the repeating contacts. Identical records, contacts without
// a call and contacts without a valid time repeat nothing. Times count after
// rounding to the whole second.
std::vector<TourRepeat> FindTourRepeats(const std::vector<QsoContact>& contacts,
                                        const std::vector<IdenticalRecord>& identical);

}  // namespace kovra::replay
