#include "engine/band_list.h"

#include <algorithm>
#include <utility>

namespace kovra {
namespace {

std::string PaddedKey(const std::string& band) {
  constexpr std::size_t kWidth = 20;
  return band.size() >= kWidth ? band : std::string(kWidth - band.size(), '0') + band;
}

}  // namespace

void BandList::Add(std::string_view band) {
  if (std::find(bands_.begin(), bands_.end(), band) == bands_.end()) bands_.emplace_back(band);
}

// An exchange sort on purpose: bands whose keys tie ("5" and "05") must keep the
// order this sort leaves them in, which the operators' result tables show.
void BandList::SortForReport() {
  for (std::size_t i = 0; i + 1 < bands_.size(); ++i) {
    for (std::size_t j = i + 1; j < bands_.size(); ++j) {
      if (PaddedKey(bands_[i]) < PaddedKey(bands_[j])) std::swap(bands_[i], bands_[j]);
    }
  }
}

}  // namespace kovra
