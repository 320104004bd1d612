#pragma once
#include <string>
#include <vector>

#include "engine/plugin.h"

namespace kovra::bench {

// Owned texts for one generated contact; `report` views into them.
struct GeneratedContact {
  std::string call, mode, exchgRcvd, prefix, band;
  OleDate time;
  unsigned freqHz = 0;

  HostContact Report() const;
};

// N distinct contacts as a contest might log them: home and foreign stations,
// six bands, four modes, times spread over a day of tours.
std::vector<GeneratedContact> GenerateContacts(int n);

}  // namespace kovra::bench
