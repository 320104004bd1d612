#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "checker/cross_check.h"
#include "checker/log_check.h"
#include "checker/texts.h"

namespace kovra::check {

// A log's report for its operator once it was checked against the others: its
// findings, the score with what the other logs showed, the clock, each QSO not
// counted with the other station's line under its own, the uniques and the
// tour view. `files` and `verdicts` run parallel to `logs`.
std::string ContestReport(const std::vector<std::string>& files, const std::vector<LogCheck>& logs,
                          const std::vector<LogVerdict>& verdicts, std::size_t which,
                          Language language);

}  // namespace kovra::check
