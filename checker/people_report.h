#pragma once
#include <string>
#include <vector>

#include "checker/log_check.h"
#include "checker/tour_view.h"

namespace kovra::check {

// What the operator reads: the findings, the score, the tour view and a verdict,
// in UTF-8 with bare line feeds.
std::string PeopleReport(const std::string& file, const LogCheck& log, Language language);

// Its parts, for a report that shows one log among many.
std::string HeadingText(const std::string& file, const LogCheck& log, Language language);
// At most a screenful of each code; the rest are counted.
std::string FindingsText(const std::vector<Finding>& findings, Language language);
// With the cross-check's figures when the log was checked against others.
std::string ScoreText(const LogCheck& log, Language language, bool crossChecked = false);
// Characters, not bytes, of UTF-8 text; and the text filled with blanks to a width.
std::size_t Width(const std::string& utf8);
std::string PadRight(const std::string& text, std::size_t width);
std::string TourViewText(const TourView& view, Language language);
std::string VerdictText(const LogCheck& log, Language language);

}  // namespace kovra::check
