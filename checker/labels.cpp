#include "checker/labels.h"

#include <cstdio>

namespace kovra::check {

std::string BandLabel(const std::string& band) {
  if (band.empty()) return "?";
  const bool metres = band.find_first_not_of("0123456789.") == std::string::npos;
  return metres ? band + "m" : band;
}

std::string DateText(const DateTimeParts& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month, time.day);
  return text;
}

std::string TimeText(const DateTimeParts& time) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
  return text;
}

}  // namespace kovra::check
