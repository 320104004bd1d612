#include "engine/tour_check.h"

#include "engine/exchange.h"
#include "engine/tour.h"

namespace kovra {
namespace {

// " В ОДНОМ и ТОМ ЖЕ ТУРЕ ПРОВОДИТЬ НЕЛЬЗЯ !!!" in code page 1251.
constexpr char kRefusalTail[] =
    " \xC2 \xCE\xC4\xCD\xCE\xCC \xE8 \xD2\xCE\xCC \xC6\xC5 \xD2\xD3\xD0\xC5 "
    "\xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC \xCD\xC5\xCB\xDC\xC7\xDF !!!";

bool SameTour(const DateTimeParts& logged, const UtcTime& now) {
  return TourOfDay(logged.hour, logged.minute) == TourOfDay(now.hour, now.minute);
}

bool InCurrentTour(const Contact& c, std::optional<UtcTime>& now, Platform& platform) {
  const auto logged = ToDateTimeParts(c.time);
  if (!logged) return false;
  if (!now) now = platform.UtcNow();
  return SameTour(*logged, *now);
}

}  // namespace

std::string RefusalMessage(std::string_view call) {
  return "QSO c " + std::string(call) + kRefusalTail;
}

Verdict JudgeCall(const ContactLog& log, const CallCheck& check, Platform& platform) {
  std::optional<UtcTime> now;
  if (log.AnyOfStation(check.call, check.mode, check.band,
                       [&](const Contact& c) { return InCurrentTour(c, now, platform); })) {
    return Verdict::Repeat;
  }
  if (!check.prefix) return Verdict::NoPrefix;
  if (!IsHomePrefix(*check.prefix)) return Verdict::Accepted;
  const bool known = log.HasMaCall(check.call) || log.HasRegionCode(check.region);
  return known ? Verdict::Accepted : Verdict::NewRegion;
}

int HostCode(Verdict verdict) {
  switch (verdict) {
    case Verdict::Accepted: return 1;
    case Verdict::NewRegion: return 2;
    default: return 0;
  }
}

}  // namespace kovra
