#pragma once
#include "platform/ole_date.h"

namespace kovra {

// A tour is one half hour of the UTC clock: hh:00 to hh:29, or hh:30 to hh:59.
constexpr int kTourMinutes = 30;

// The tour of the day, 0 (00:00-00:29) to 47 (23:30-23:59).
int TourOfDay(int hour, int minute);

// The start of the tour that holds the time: the same day, minute 0 or 30, second 0.
DateTimeParts TourStart(const DateTimeParts& time);

}  // namespace kovra
