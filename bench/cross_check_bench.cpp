// The cross-check of a generated contest: QSO lines per second, and the cost per
// line as the number of logs grows.
#include <benchmark/benchmark.h>

#include "bench/contest_generator.h"
#include "checker/cross_check.h"

namespace kovra::bench {
namespace {

constexpr int kQsosPerLog = 550;

std::vector<check::CrossLog> CrossLogs(const std::vector<ContestLog>& contest) {
  std::vector<check::CrossLog> logs;
  for (const ContestLog& log : contest) {
    check::CrossLog& cross = logs.emplace_back();
    cross.call = log.call;
    for (const ContestQso& q : log.qsos) {
      // the generated contest is BPSK63 only
      cross.qsos.push_back({q.band, check::ModeClass::Digital, q.minute, q.call, q.exchgSent, q.exchgRcvd,
                            check::SingleStatus::Eligible});
    }
  }
  return logs;
}

void BM_CrossCheck(benchmark::State& state) {
  const std::vector<check::CrossLog> logs = CrossLogs(GenerateContest(static_cast<int>(state.range(0)), kQsosPerLog));
  std::int64_t lines = 0;
  for (const check::CrossLog& log : logs) lines += static_cast<std::int64_t>(log.qsos.size());
  for (auto _ : state) benchmark::DoNotOptimize(check::CrossCheck(logs));
  state.SetItemsProcessed(state.iterations() * lines);
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["per_line"] = benchmark::Counter(static_cast<double>(state.iterations() * lines),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CrossCheck)->Arg(150)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kovra::bench

BENCHMARK_MAIN();
