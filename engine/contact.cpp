#include "engine/contact.h"

namespace kovra {

bool operator==(const Contact& a, const Contact& b) {
  return a.freqKHz == b.freqKHz && a.time.status == b.time.status && a.time.value == b.time.value &&
         a.call == b.call && a.band == b.band && a.mode == b.mode && a.exchgRcvd == b.exchgRcvd &&
         a.exchgSent == b.exchgSent && a.rstRcvd == b.rstRcvd && a.rstSent == b.rstSent &&
         a.prefix == b.prefix && a.extra == b.extra && a.maCall == b.maCall &&
         a.regionCode == b.regionCode;
}

}  // namespace kovra
