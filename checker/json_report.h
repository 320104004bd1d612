#pragma once
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "checker/log_check.h"

namespace kovra::check {

// One log's entry of the document: the figures, every finding and the tour view.
nlohmann::ordered_json LogJson(const std::string& file, const LogCheck& log, Language language);

// {"logs": [...]}, indented, ending in a line feed.
std::string JsonDocument(const std::vector<nlohmann::ordered_json>& logs);

}  // namespace kovra::check
