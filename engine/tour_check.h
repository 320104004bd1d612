#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "engine/contact_log.h"
#include "platform/platform.h"

namespace kovra {

enum class Verdict { Repeat, NoPrefix, Accepted, NewRegion };

// The code the host expects: 0 refused, 1 accepted, 2 accepted with a new region.
int HostCode(Verdict verdict);

struct CallCheck {
  std::string_view call;
  std::string_view mode;
  std::optional<std::string_view> prefix;  // the host may pass none
  std::string_view region;
  std::string_view band;
};

// "QSO c <call> ..." in code page 1251, as the host shows it to the operator.
std::string RefusalMessage(std::string_view call);

// Refuses a repeat of call, band and mode within the current half-hour tour,
// else tells a home station whose region the log does not hold yet.
Verdict JudgeCall(const ContactLog& log, const CallCheck& check, Platform& platform);

}  // namespace kovra
