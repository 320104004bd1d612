#pragma once
#include <cstdint>
#include <string>

#include "platform/ole_date.h"

namespace kovra {

struct Contact {
  std::string call;
  std::string prefix;
  std::string extra;
  std::string band;
  std::string mode;
  std::string rstRcvd;
  std::string rstSent;
  std::string exchgRcvd;
  std::string exchgSent;
  std::string maCall;
  std::string regionCode;
  uint32_t freqKHz = 0;
  OleDate time;
};

// Identical in every field: texts byte for byte, the time by status and day count.
bool operator==(const Contact& a, const Contact& b);

}  // namespace kovra
