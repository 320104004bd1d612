// The engine's cost per host call against the log's size.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "bench/bench_contacts.h"
#include "platform/platform_posix.h"
#include "tests/support/fake_platform.h"
#include "tests/model/reference_model.h"

namespace kovra::bench {
namespace {

// Real files in a scratch directory, but no message on the terminal.
class QuietPlatform : public PosixPlatform {
 public:
  void ShowMessage(const MessageBoxRequest&) override {}
};

// Real files, a form that is cancelled and a host that takes every command.
struct BenchPorts {
  QuietPlatform platform;
  test::FakeForm form;
  test::FakeHost host;
};

BenchPorts& Ports() {
  static BenchPorts ports;
  return ports;
}

std::vector<GeneratedContact> Contacts(int n) {
  static const std::vector<GeneratedContact> all = GenerateContacts(100000);
  return std::vector<GeneratedContact>(all.begin(), all.begin() + n);
}

struct Engine {
  std::unique_ptr<Plugin> plugin =
      std::make_unique<Plugin>(Ports().platform, Ports().form, Ports().host);

  void Reset(int reportFlag) {
    plugin->ResetStats(reportFlag, "RK3A", MakeOleDate(2026, 12, 8, 0, 0, 0));
  }
  void Add(const GeneratedContact& c) { plugin->AddData(c.Report()); }
  int Remove(const GeneratedContact& c) {
    return plugin->RemoveData(c.call, c.mode, "001", "001", c.band);
  }
  int Check(const GeneratedContact& c, char* message) {
    return plugin->CheckCall({c.call, c.mode, std::string_view(c.prefix), "MA", c.band}, message);
  }
  const char* Result(int* score) { return plugin->GetResult(score); }
};

// The literal reference model on the same inputs, for the ratio.
struct Model {
  std::unique_ptr<model::ReferenceModel> plugin =
      std::make_unique<model::ReferenceModel>(Ports().platform, Ports().form, Ports().host);

  void Reset(int reportFlag) {
    plugin->ResetStats(reportFlag, "RK3A", MakeOleDate(2026, 12, 8, 0, 0, 0));
  }
  void Add(const GeneratedContact& c) {
    plugin->AddData({c.call, c.mode, "599", "599", "001 MA", c.exchgRcvd, c.prefix, "", c.band,
                     c.time, c.freqHz});
  }
  int Remove(const GeneratedContact& c) {
    return plugin->RemoveData(c.call, c.mode, "001", "001", c.band);
  }
  int Check(const GeneratedContact& c, char* message) {
    return plugin->CheckCall({c.call, c.mode, c.prefix, "MA", c.band}, message);
  }
  const char* Result(int* score) { return plugin->GetResult(score); }
};

template <class Subject>
void Feed(Subject& s, const std::vector<GeneratedContact>& contacts, int reportFlag) {
  s.Reset(reportFlag);
  for (const GeneratedContact& c : contacts) s.Add(c);
}

template <class Subject>
void BM_ReFeed(benchmark::State& state) {
  const auto contacts = Contacts(int(state.range(0)));
  Subject s;
  for (auto _ : state) Feed(s, contacts, 0);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

template <class Subject>
void BM_CheckCall(benchmark::State& state) {
  const auto contacts = Contacts(int(state.range(0)));
  Subject s;
  Feed(s, contacts, 0);
  char message[256];
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(s.Check(contacts[i++ % contacts.size()], message));
}

// A removal and the same contact added back, so the log keeps its size.
template <class Subject>
void BM_RemoveAndAddBack(benchmark::State& state) {
  const auto contacts = Contacts(int(state.range(0)));
  Subject s;
  Feed(s, contacts, 0);
  std::size_t i = 0;
  for (auto _ : state) {
    const GeneratedContact& c = contacts[i++ % contacts.size()];
    benchmark::DoNotOptimize(s.Remove(c));
    s.Add(c);
  }
}

template <class Subject>
void BM_Result(benchmark::State& state) {
  const auto contacts = Contacts(int(state.range(0)));
  Subject s;
  Feed(s, contacts, int(state.range(1)));
  int score = 0;
  for (auto _ : state) benchmark::DoNotOptimize(s.Result(&score));
}

// The whole evaluation a host asks for after loading a log: the 200 ms target.
template <class Subject>
void BM_ReFeedAndCabrillo(benchmark::State& state) {
  const auto contacts = Contacts(int(state.range(0)));
  Subject s;
  int score = 0;
  for (auto _ : state) {
    Feed(s, contacts, 1);
    benchmark::DoNotOptimize(s.Result(&score));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int n : {1000, 10000, 100000}) b->Arg(n);
  b->Unit(benchmark::kMicrosecond);
}

void SizesWithReport(benchmark::internal::Benchmark* b) {
  for (int report : {0, 1}) {
    for (int n : {1000, 10000, 100000}) b->Args({n, report});
  }
  b->ArgNames({"n", "cabrillo"})->Unit(benchmark::kMicrosecond);
}

BENCHMARK_TEMPLATE(BM_ReFeed, Engine)->Apply(Sizes);
BENCHMARK_TEMPLATE(BM_CheckCall, Engine)->Apply(Sizes)->Unit(benchmark::kNanosecond);
BENCHMARK_TEMPLATE(BM_RemoveAndAddBack, Engine)->Apply(Sizes)->Unit(benchmark::kNanosecond);
BENCHMARK_TEMPLATE(BM_Result, Engine)->Apply(SizesWithReport);
BENCHMARK_TEMPLATE(BM_ReFeedAndCabrillo, Engine)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ReFeed, Model)->Apply(Sizes)->Iterations(1);
BENCHMARK_TEMPLATE(BM_CheckCall, Model)->Apply(Sizes)->Unit(benchmark::kNanosecond);
BENCHMARK_TEMPLATE(BM_RemoveAndAddBack, Model)->Apply(Sizes)->Unit(benchmark::kNanosecond);
BENCHMARK_TEMPLATE(BM_Result, Model)->Apply(SizesWithReport);
BENCHMARK_TEMPLATE(BM_ReFeedAndCabrillo, Model)
    ->Apply(Sizes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace kovra::bench

int main(int argc, char** argv) {
  // The Cabrillo logs and the settings file go to a scratch directory.
  char dir[] = "/tmp/kovra-bench-XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  mkdir("Plugins", 0755);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
