#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kovra::check {

// True when one character changed, added or dropped turns a into b.
bool OneEditApart(std::string_view a, std::string_view b);

// The calls one edit away from a given one, found through each call and its
// one-character deletions, so a look-up never scans every call.
class CallNeighbours {
 public:
  explicit CallNeighbours(const std::vector<std::string>& calls);

  // Indices into the constructor's calls, ascending, without repeats.
  std::vector<std::size_t> OneEditFrom(std::string_view call) const;

 private:
  std::vector<std::string> calls_;
  std::unordered_map<std::string, std::vector<std::size_t>> byKey_;
};

}  // namespace kovra::check
