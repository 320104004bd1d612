#pragma once
#include <string>
#include <vector>

#include "checker/log_check.h"

namespace kovra::check {

struct TourRow {
  DateTimeParts start;    // the tour's first minute
  std::vector<int> qsos;  // per band, as TourView::bands lists them; repeats included
  int repeats = 0;
};

struct EdgeQso {
  int line = 0;
  DateTimeParts time;
  std::string call;  // as written
  std::string band;
};

// The QSOs with a worked call and a valid time, tour by tour.
struct TourView {
  std::vector<std::string> bands;  // from the longest wave; a band the core does not know last
  std::vector<TourRow> rows;       // in time order, tours with QSOs only
  std::vector<EdgeQso> nearEdges;  // within a minute of a tour's edge, in file order
};

TourView BuildTourView(const std::vector<CheckedQso>& qsos);

}  // namespace kovra::check
