// A long contest through the real DLL, twice over: the second round must not
// need more memory than the first.
#include "tests/host/reporting_host_win32.h"

#include <psapi.h>

#include <chrono>
#include <cstdio>

namespace kovra::host {
namespace {

constexpr int kContacts = 100000;
constexpr int kResults = 1000;
constexpr double kLeakAllowance = 0.10;  // of the first round's figure

using Load = PluginHost;

struct Figures {
  double addSeconds = 0;
  double resultSeconds = 0;
  PROCESS_MEMORY_COUNTERS memory{};
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  EXPECT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory));
  return memory;
}

void Print(const char* label, const Figures& f) {
  std::printf(
      "%-8s PagefileUsage %9lu  WorkingSetSize %9lu  PeakWorkingSetSize %9lu  "
      "adds %6.2f s  results %6.2f s\n",
      label, static_cast<unsigned long>(f.memory.PagefileUsage),
      static_cast<unsigned long>(f.memory.WorkingSetSize),
      static_cast<unsigned long>(f.memory.PeakWorkingSetSize), f.addSeconds, f.resultSeconds);
  std::fflush(stdout);
}

// A reset, kContacts distinct contacts over six bands, then kResults results.
Figures Round(const PluginCalls& dll) {
  static const Text kBands[] = {"160", "80", "40", "20", "15", "10"};
  Figures f;
  auto start = std::chrono::steady_clock::now();
  dll.ResetStats(0, kOwnCall, UtcNowMinus(0));
  ContactArgs c = SampleContact("");
  std::string call;
  for (int i = 0; i < kContacts; ++i) {
    call = "R" + std::to_string(i);
    c.call = call.c_str();
    c.band = kBands[i % 6];
    dll.AddData(c);
  }
  f.addSeconds = SecondsSince(start);
  start = std::chrono::steady_clock::now();
  std::string text;
  int score = 0;
  for (int i = 0; i < kResults; ++i) text = dll.GetResult0(&score);
  f.resultSeconds = SecondsSince(start);
  f.memory = Memory();

  const std::string all = std::to_string(kContacts);
  EXPECT_EQ(score, kContacts);
  EXPECT_TRUE(
      Contains(text, "\r\nTotal\t " + all + "\t " + all + "\r\n\r\nScore: " + all + "\r\n"));
  return f;
}

TEST_F(Load, SecondRoundEndsWithinTenPercentOfTheFirst) {
  std::printf("%d contacts and %d results per round\n", kContacts, kResults);
  Print("loaded", {0, 0, Memory()});
  const Figures first = Round(dll());
  Print("round 1", first);
  const Figures second = Round(dll());
  Print("round 2", second);
  EXPECT_LE(double(second.memory.PagefileUsage),
            double(first.memory.PagefileUsage) * (1 + kLeakAllowance));
}

}  // namespace
}  // namespace kovra::host
