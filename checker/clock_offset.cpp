#include "checker/clock_offset.h"

#include <algorithm>
#include <cmath>

namespace kovra::check {

std::optional<int> EstimateOffsetTenths(std::vector<std::int64_t> differences) {
  if (differences.empty()) return std::nullopt;
  std::sort(differences.begin(), differences.end());
  const std::size_t n = differences.size();
  const double median =
      (static_cast<double>(differences[(n - 1) / 2]) + static_cast<double>(differences[n / 2])) / 2;
  double sum = 0;
  int near = 0;
  for (const std::int64_t d : differences) {
    if (std::abs(static_cast<double>(d) - median) <= 1) sum += static_cast<double>(d), ++near;
  }
  const double estimate = near > 0 ? sum / near : median;
  return static_cast<int>(std::lround(estimate * 10));
}

}  // namespace kovra::check
