#pragma once
#include <optional>
#include <string>
#include <vector>

#include "checker/texts.h"

namespace kovra::check {

struct CheckOptions {
  std::vector<std::string> logs;  // files, or folders of .cbr files
  bool json = false;
  std::optional<std::string> out;    // the folder for results.csv and the reports
  std::optional<Language> language;  // none: the user's
  bool help = false;
  bool version = false;
};

struct OptionError {
  Text text;
  std::string detail;  // the option it names, if any
};

// The command line without the program's name; nothing when it can be run.
std::optional<OptionError> ParseCheckOptions(const std::vector<std::string>& args,
                                             CheckOptions& options);

}  // namespace kovra::check
