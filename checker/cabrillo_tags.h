#pragma once
#include <string>
#include <string_view>

namespace kovra::check {

enum class TagKind {
  Once,        // a Cabrillo 3.0 header tag a log holds once
  Repeatable,  // ADDRESS, SOAPBOX, OPERATORS, OFFTIME
  Qso,
  Comment,   // X-anything, X-QSO included: robots do not count it
  Version2,  // a Cabrillo 2.0 tag that 3.0 dropped
  Unknown
};

// The tag in capital letters.
TagKind KindOfTag(std::string_view tag);

// The known tag nearest to an unknown one, within a few letters; empty when none is.
std::string NearestTag(std::string_view tag);

}  // namespace kovra::check
