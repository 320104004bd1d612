#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace kovra::check {

// A clock's offset in tenths of a minute from the differences (this log's time
// minus the other's, whole minutes) of its QSOs found in other logs: the median,
// refined by the mean of the differences within a minute of it, since whole
// minutes alone cannot show a clock 20 seconds off. None without differences.
std::optional<int> EstimateOffsetTenths(std::vector<std::int64_t> differences);

}  // namespace kovra::check
