#pragma once
#include <string>
#include <vector>

namespace kovra::check {

// The file name of each log's report, "<CALL>.txt", in the callsigns' order.
// Callsigns come from strangers: each name is a plain name inside the output
// folder, never a device, and no two are equal even where their callsigns
// reduce to one name or differ only in letter case.
std::vector<std::string> ReportFileNames(const std::vector<std::string>& callsigns);

}  // namespace kovra::check
