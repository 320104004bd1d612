#include "tools/check_main.h"

#include "checker/json_report.h"
#include "checker/people_report.h"
#include "kovra_version.h"
#include "tools/check_options.h"

namespace kovra::check {
namespace {

constexpr char kProgram[] = "kovra-check: ";

int Run(const CheckOptions& options, Language language, const FileReader& read, Console& console) {
  const std::string& path = options.logs.front();
  std::string why;
  const std::optional<std::string> bytes = read(path, why);
  if (!bytes) {
    console.Err(kProgram + Format(Text::CannotRead, language, {path, why}) + "\n");
    return 2;
  }
  const LogCheck log = CheckLog(*bytes);
  if (options.json) {
    console.Out(JsonDocument({LogJson(path, log, language)}));
  } else {
    console.Out(PeopleReport(path, log, language));
  }
  return CountOf(log.findings, Severity::Error) > 0 ? 1 : 0;
}

}  // namespace

int CheckMain(const std::vector<std::string>& args, Language userLanguage, const FileReader& read,
              Console& console) {
  CheckOptions options;
  const std::optional<OptionError> error = ParseCheckOptions(args, options);
  const Language language = options.language.value_or(userLanguage);
  int status = 0;
  if (error) {
    console.Err(kProgram + Format(error->text, language, {error->detail}) + "\n");
    console.Err(TextOf(Text::Usage, language));
    status = 2;
  } else if (options.help) {
    console.Out(TextOf(Text::Usage, language));
  } else if (options.version) {
    console.Out("kovra-check " KOVRA_VERSION "\n");
  } else {
    status = Run(options, language, read, console);
  }
  console.HoldWindow(TextOf(Text::PressEnter, language));
  return status;
}

}  // namespace kovra::check
