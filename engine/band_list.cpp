#include "engine/band_list.h"

#include <algorithm>
#include <utility>

namespace kovra {
namespace {

std::string PaddedKey(const std::string& band) {
  constexpr std::size_t kWidth = 20;
  return band.size() >= kWidth ? band : std::string(kWidth - band.size(), '0') + band;
}

// The operators' tables have always come out of this exchange sort; bands whose
// keys tie ("5" and "05") keep the order it leaves them in.
void ExchangeSort(std::vector<std::string>& bands) {
  for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
    for (std::size_t j = i + 1; j < bands.size(); ++j) {
      if (PaddedKey(bands[i]) < PaddedKey(bands[j])) std::swap(bands[i], bands[j]);
    }
  }
}

}  // namespace

void BandList::Add(std::string_view band) {
  if (known_.emplace(band).second) bands_.emplace_back(band);
}

void BandList::Clear() {
  bands_.clear();
  known_.clear();
}

void BandList::SortForReport() {
  std::vector<std::pair<std::string, std::size_t>> keyed;
  keyed.reserve(bands_.size());
  for (std::size_t i = 0; i < bands_.size(); ++i) keyed.emplace_back(PaddedKey(bands_[i]), i);
  std::sort(keyed.begin(), keyed.end(),
            [](const auto& a, const auto& b) { return a.first > b.first; });
  const auto sameKey = [](const auto& a, const auto& b) { return a.first == b.first; };
  // Distinct keys have one descending order, however it is reached; ties depend
  // on the exchange sort's path from the first-seen order.
  if (std::adjacent_find(keyed.begin(), keyed.end(), sameKey) != keyed.end()) {
    ExchangeSort(bands_);
    return;
  }
  std::vector<std::string> sorted;
  sorted.reserve(bands_.size());
  for (const auto& k : keyed) sorted.push_back(std::move(bands_[k.second]));
  bands_ = std::move(sorted);
}

}  // namespace kovra
