#include "dll/exports.h"

#include <string_view>

#include "engine/exchange.h"
#include "engine/plugin.h"

namespace {

using KText = kovra::host::Text;
using KDate = kovra::host::Date;

// Made at load, before the host can call anything; lives until unload.
kovra::Plugin& g_plugin = kovra::ProcessPlugin();

// The host may pass null where it means "nothing": read it as an empty text.
std::string_view Text(KText text) { return text ? std::string_view(text) : std::string_view(); }

kovra::OleDate Date(KDate date) { return date ? *date : kovra::OleDate{}; }

// An exception must never unwind into the host: it would take the host down.
template <class R, class F>
R Guarded(R fallback, F&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

}  // namespace

extern "C" {

void SetupSet0() {
  Guarded(0, [] { return g_plugin.SetupSet(), 0; });
}

int GetNumberOfSets() { return 1; }

const char* GetSetName(int index) { return index == 0 ? "velmora" : ""; }

int ResetStats0(KText, int reportFlag, KText callsign, KDate, KDate titleDate, KText, KText, KText,
                KText, KText, KText, KText, KText, KText, KText, int, int, int, double, double,
                KText, KText, KText) {
  return Guarded(1,
                 [&] { return g_plugin.ResetStats(reportFlag, Text(callsign), Date(titleDate)); });
}

int AddData0(KText, KText call, KDate time, KDate, KDate, KDate, unsigned, unsigned freqHz,
             KText mode, KText rstSent, KText rstRcvd, KText exchgSent, KText exchgRcvd, KText,
             KText, KText, KText, KText, KText, KText, KText, KText, KText prefix, int, int, int,
             double, double, KText, KText extra, KText, KText band, KText) {
  return Guarded(1, [&] {
    return g_plugin.AddData({Text(call), Date(time), freqHz, Text(mode), Text(rstSent),
                             Text(rstRcvd), Text(exchgSent), Text(exchgRcvd), Text(prefix),
                             Text(extra), Text(band)});
  });
}

int RemoveData0(KText, KText call, KDate, KDate, KDate, KDate, unsigned, unsigned, KText mode,
                KText, KText, KText exchgSent, KText exchgRcvd, KText, KText, KText, KText, KText,
                KText, KText, KText, KText, KText, int, int, int, double, double, KText, KText,
                KText, KText band, KText) {
  return Guarded(0, [&] {
    return g_plugin.RemoveData(Text(call), Text(mode), Text(exchgSent), Text(exchgRcvd),
                               Text(band));
  });
}

int CheckCall0(KText call, unsigned, unsigned, KText mode, KText, KText, KText, KText, KText, KText,
               KText, KText, KText, KText prefix, int, int, int, double, double, KText, KText,
               KText, KText, KText region, KText band, KText, char*, char* message) {
  return Guarded(1, [&] {
    std::optional<std::string_view> countryPrefix;
    if (prefix) countryPrefix = prefix;
    return g_plugin.CheckCall({Text(call), Text(mode), countryPrefix, Text(region), Text(band)},
                              message);
  });
}

int IsValidExchg0(KText exchange, KText, KText, KText, int, int, int) {
  return kovra::IsValidExchange(Text(exchange)) ? 1 : 0;
}

int GetExchgCount0(KText, KText, KText) { return 1; }

const char* GetResult0(int* score) {
  return Guarded<const char*>("", [&] { return g_plugin.GetResult(score); });
}

}  // extern "C"
