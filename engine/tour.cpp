#include "engine/tour.h"

namespace kovra {

int TourOfDay(int hour, int minute) { return (hour * 60 + minute) / kTourMinutes; }

DateTimeParts TourStart(const DateTimeParts& time) {
  return {time.year, time.month, time.day, time.hour, time.minute - time.minute % kTourMinutes, 0};
}

}  // namespace kovra
