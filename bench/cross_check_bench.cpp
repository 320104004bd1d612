// The cross-check of a generated contest: QSO lines per second, and the cost per
// line as the number of logs grows.
#include <benchmark/benchmark.h>

#include "bench/contest_generator.h"
#include "checker/contest_check.h"

namespace kovra::bench {
namespace {

constexpr int kQsosPerLog = 550;

std::vector<std::string> Files(int stations) {
  std::vector<std::string> files;
  for (const ContestLog& log : GenerateContest(stations, kQsosPerLog))
    files.push_back(CabrilloBytes(log));
  return files;
}

std::vector<check::LogCheck> CheckEach(const std::vector<std::string>& files) {
  std::vector<check::LogCheck> logs;
  for (const std::string& bytes : files) logs.push_back(check::CheckLog(bytes));
  return logs;
}

void Report(benchmark::State& state, const std::vector<check::LogCheck>& logs) {
  std::int64_t lines = 0;
  for (const check::LogCheck& log : logs) lines += static_cast<std::int64_t>(log.qsos.size());
  state.SetItemsProcessed(state.iterations() * lines);
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["per_line"] =
      benchmark::Counter(static_cast<double>(state.iterations() * lines),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The cross-check alone, on logs already read and checked one by one.
void BM_CrossCheck(benchmark::State& state) {
  const std::vector<check::LogCheck> logs = CheckEach(Files(static_cast<int>(state.range(0))));
  const std::vector<check::CrossLog> cross = check::CrossLogsOf(logs);
  for (auto _ : state) benchmark::DoNotOptimize(check::CrossCheck(cross));
  Report(state, logs);
}
BENCHMARK(BM_CrossCheck)->Arg(150)->Arg(300)->Unit(benchmark::kMillisecond);

// From the files' bytes in memory: every log read and checked, then cross-checked.
void BM_ContestCheck(benchmark::State& state) {
  const std::vector<std::string> files = Files(static_cast<int>(state.range(0)));
  std::vector<check::LogCheck> logs;
  for (auto _ : state) {
    logs = CheckEach(files);
    benchmark::DoNotOptimize(check::CrossCheckLogs(logs));
  }
  Report(state, logs);
}
BENCHMARK(BM_ContestCheck)->Arg(150)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kovra::bench

BENCHMARK_MAIN();
