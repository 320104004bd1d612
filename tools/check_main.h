#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "checker/texts.h"
#include "tools/console.h"

namespace kovra::check {

// The file's bytes, by its name in UTF-8; nothing, with the reason, when it cannot be read.
using FileReader =
    std::function<std::optional<std::string>(const std::string& path, std::string& why)>;

// The whole of kovra-check, after the command line (without the program's
// name). Exit status 0 when no finding is an error, 1 when one is, 2 for a
// bad command line or a file that cannot be read.
int CheckMain(const std::vector<std::string>& args, Language userLanguage, const FileReader& read,
              Console& console);

}  // namespace kovra::check
