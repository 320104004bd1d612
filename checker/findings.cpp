#include "checker/findings.h"

namespace kovra::check {

std::string_view CodeName(Code code) {
  static constexpr std::string_view kNames[] = {"start", "end",       "tag",      "qso",
                                                "time",  "callsign",  "contest",  "claimed",
                                                "mode",  "frequency", "exchange", "repeat"};
  return kNames[static_cast<int>(code)];
}

std::string_view SeverityName(Severity severity) {
  return severity == Severity::Error ? "error" : "warning";
}

std::string FindingText(const Finding& finding, Language language) {
  std::vector<std::string> args;
  for (const Arg& arg : finding.args) {
    const Text* text = std::get_if<Text>(&arg);
    args.push_back(text ? std::string(TextOf(*text, language)) : std::get<std::string>(arg));
  }
  return Format(finding.text, language, args);
}

}  // namespace kovra::check
