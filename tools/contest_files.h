#pragma once
// The files of a run over many logs, by names in UTF-8 on every platform.
#include <string>
#include <vector>

namespace kovra::check {

bool IsFolder(const std::string& path);

// The .cbr files in a folder (any letter case), in name order; false when the
// folder cannot be listed, with the reason.
bool LogsInFolder(const std::string& folder, std::vector<std::string>& logs, std::string& why);

// Creates the folder if need be and writes the file `name` (no folder part) in it.
bool WriteInFolder(const std::string& folder, const std::string& name, const std::string& bytes,
                   std::string& why);

}  // namespace kovra::check
