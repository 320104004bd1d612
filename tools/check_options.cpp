#include "tools/check_options.h"

#include "tools/language.h"

namespace kovra::check {

std::optional<OptionError> ParseCheckOptions(const std::vector<std::string>& args,
                                             CheckOptions& options) {
  options = CheckOptions();
  std::optional<OptionError> error;
  const auto fail = [&](Text text, std::string detail = {}) {
    if (!error) error = OptionError{text, std::move(detail)};
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--lang") {
      const auto language = i + 1 < args.size() ? ParseLanguage(args[++i]) : std::nullopt;
      if (!language) fail(Text::BadLanguage);
      options.language = language;
    } else if (arg == "--out") {
      if (i + 1 < args.size() && !args[i + 1].empty()) {
        options.out = args[++i];
      } else {
        fail(Text::NoOutFolder);
      }
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      fail(Text::UnknownOption, arg);
    } else {
      options.logs.push_back(arg);
    }
  }
  if (options.help || options.version) return error;
  if (options.logs.empty()) fail(Text::NoLogGiven);
  return error;
}

}  // namespace kovra::check
