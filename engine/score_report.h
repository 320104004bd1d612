#pragma once
#include <string>

#include "engine/band_list.h"
#include "engine/contact_log.h"

namespace kovra {

struct ContestResult {
  std::string text;  // title, a row per band, total row, score line; CR LF lines
  int score = 0;     // contacts with a call: one point each
};

// Sorts the band list for the table as a side effect, as the host expects the
// order to stay until the next report.
ContestResult BuildContestResult(const ContactLog& log, BandList& bands,
                                 const std::string& titleDate, const std::string& callsign);

}  // namespace kovra
