#pragma once
#include <optional>

#include "platform/ole_date.h"

namespace kovra::model {

struct Moment {
  int year, month, day, hour, minute;
};

// The date-time taken to the nearest whole second, seconds dropped; nothing when
// its status is not valid or it lies outside the years 100 to 9999.
std::optional<Moment> MomentOf(const OleDate& date);

}  // namespace kovra::model
