#pragma once
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "checker/texts.h"

namespace kovra::check {

// error: a sponsor's robot would refuse the log or the QSO; warning: worth a look.
enum class Severity { Error, Warning };

enum class Code {
  Start,
  End,
  Tag,
  Qso,
  Time,
  Callsign,
  Contest,
  Claimed,
  Mode,
  Frequency,
  Exchange,
  Repeat
};

// "start", "end", ... as the JSON document names them.
std::string_view CodeName(Code code);
std::string_view SeverityName(Severity severity);

// A value as the log holds it, or a text shown in the reader's language.
using Arg = std::variant<std::string, Text>;

struct Finding {
  int line = 0;
  Severity severity = Severity::Error;
  Code code = Code::Start;
  Text text = Text::NoStart;
  std::vector<Arg> args;
};

// One sentence for the operator.
std::string FindingText(const Finding& finding, Language language);

}  // namespace kovra::check
