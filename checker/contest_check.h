#pragma once
#include <vector>

#include "checker/cross_check.h"
#include "checker/log_check.h"

namespace kovra::check {

// The cross-check's view of logs each checked alone.
std::vector<CrossLog> CrossLogsOf(const std::vector<LogCheck>& logs);

// Judges the logs against one another: each QSO's status, the figures and the
// clock offset go back into its log; the verdicts name each QSO's partner.
std::vector<LogVerdict> CrossCheckLogs(std::vector<LogCheck>& logs);

}  // namespace kovra::check
