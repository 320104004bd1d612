#pragma once
#include <string>

#include "platform/ole_date.h"

namespace kovra::check {

// "80m" for a band in metres, the name itself otherwise ("70cm", "10G"); "?" for none.
std::string BandLabel(const std::string& band);

std::string DateText(const DateTimeParts& time);  // "2026-12-05"
std::string TimeText(const DateTimeParts& time);  // "12:29"

}  // namespace kovra::check
