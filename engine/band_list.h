#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kovra {

// The distinct band texts in the order first seen; only a reset shrinks it.
class BandList {
 public:
  void Add(std::string_view band);
  void Clear() { bands_.clear(); }
  // Descending by the band text padded on the left with '0' to 20 characters.
  void SortForReport();

  const std::vector<std::string>& bands() const { return bands_; }

 private:
  std::vector<std::string> bands_;
};

}  // namespace kovra
