#pragma once
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace kovra {

// The distinct band texts in the order first seen; only a reset shrinks it.
class BandList {
 public:
  void Add(std::string_view band);
  void Clear();
  // Descending by the band text padded on the left with '0' to 20 characters.
  void SortForReport();

  const std::vector<std::string>& bands() const { return bands_; }

 private:
  std::vector<std::string> bands_;
  std::unordered_set<std::string> known_;
};

}  // namespace kovra
