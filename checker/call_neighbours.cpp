#include "checker/call_neighbours.h"

#include <algorithm>

namespace kovra::check {
namespace {

// The call itself, then each distinct one-character deletion of it.
std::vector<std::string> DeletionKeys(std::string_view call) {
  std::vector<std::string> keys{std::string(call)};
  for (std::size_t i = 0; i < call.size(); ++i) {
    if (i > 0 && call[i] == call[i - 1]) continue;  // same deletion as the one before
    std::string key(call.substr(0, i));
    key.append(call.substr(i + 1));
    keys.push_back(std::move(key));
  }
  return keys;
}

}  // namespace

bool OneEditApart(std::string_view a, std::string_view b) {
  if (a.size() < b.size()) std::swap(a, b);
  if (a.size() - b.size() > 1) return false;
  std::size_t head = 0;
  while (head < b.size() && a[head] == b[head]) ++head;
  if (a.size() == b.size()) {
    return head < a.size() && a.substr(head + 1) == b.substr(head + 1);
  }
  return a.substr(head + 1) == b.substr(head);
}

CallNeighbours::CallNeighbours(const std::vector<std::string>& calls) : calls_(calls) {
  for (std::size_t i = 0; i < calls.size(); ++i) {
    for (std::string& key : DeletionKeys(calls[i])) byKey_[std::move(key)].push_back(i);
  }
}

std::vector<std::size_t> CallNeighbours::OneEditFrom(std::string_view call) const {
  std::vector<std::size_t> found;
  for (const std::string& key : DeletionKeys(call)) {
    const auto it = byKey_.find(key);
    if (it == byKey_.end()) continue;
    for (const std::size_t i : it->second) {
      if (OneEditApart(calls_[i], call)) found.push_back(i);
    }
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

}  // namespace kovra::check
