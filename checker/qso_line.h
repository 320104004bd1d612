#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "checker/findings.h"

namespace kovra::check {

// A QSO line's fields as written, without the blanks around them.
struct QsoFields {
  std::string freq, mode, date, time, ownCall, rstSent, sent, call, rstReceived, received;
};

// Reads a QSO line ("QSO:" and all). The plug-in's own lines are read by their
// columns, so that an empty worked call and an exchange with a blank inside
// ("001 MA") come out exactly; other programs' lines field by field. A line
// that cannot be read gives a finding (code qso) that names the field.
QsoFields ReadQsoLine(std::string_view line, int number, std::optional<Finding>& problem);

}  // namespace kovra::check
