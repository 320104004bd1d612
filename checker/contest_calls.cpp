#include "checker/contest_calls.h"

#include <algorithm>

namespace kovra::check {
namespace {

std::unordered_map<std::string, std::vector<std::uint32_t>> LogsByCall(
    const std::vector<CrossLog>& logs) {
  std::unordered_map<std::string, std::vector<std::uint32_t>> byCall;
  for (std::size_t i = 0; i < logs.size(); ++i) {
    // A log without its call is no one's partner.
    if (!logs[i].call.empty()) byCall[logs[i].call].push_back(static_cast<std::uint32_t>(i));
  }
  return byCall;
}

std::vector<std::string> Keys(
    const std::unordered_map<std::string, std::vector<std::uint32_t>>& map) {
  std::vector<std::string> keys;
  keys.reserve(map.size());
  for (const auto& entry : map) keys.push_back(entry.first);
  std::sort(keys.begin(), keys.end());
  return keys;
}

}  // namespace

ContestCalls::ContestCalls(const std::vector<CrossLog>& logs)
    : logsByCall_(LogsByCall(logs)), submitted_(Keys(logsByCall_)), neighbours_(submitted_) {
  for (std::size_t i = 0; i < logs.size(); ++i) {
    for (const CrossQso& q : logs[i].qsos) {
      if (!Pairable(q)) continue;
      const auto [it, isNew] = holders_.try_emplace(q.call, Holders{i, false});
      if (!isNew && it->second.first != i) it->second.more = true;
    }
  }
}

const std::vector<std::uint32_t>& ContestCalls::PartnerLogs(const std::string& call) {
  if (const auto own = logsByCall_.find(call); own != logsByCall_.end()) return own->second;
  const auto [it, isNew] = partnerLogs_.try_emplace(call);
  if (isNew) {
    for (const std::size_t i : neighbours_.OneEditFrom(call)) {
      const auto& logs = logsByCall_.at(submitted_[i]);
      it->second.insert(it->second.end(), logs.begin(), logs.end());
    }
    std::sort(it->second.begin(), it->second.end());
  }
  return it->second;
}

bool ContestCalls::HeldElsewhere(const std::string& call, std::size_t log) const {
  const auto it = holders_.find(call);
  return it != holders_.end() && (it->second.more || it->second.first != log);
}

}  // namespace kovra::check
