// make-contest STATIONS QSOS_PER_LOG DIR: the generated contest as the plug-in
// writes it, one Cabrillo log per station, for whole runs of kovra-check.
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bench/contest_generator.h"
#include "output/cabrillo_writer.h"
#include "platform/platform_posix.h"

int main(int argc, char** argv) {
  if (argc != 4 || std::atoi(argv[1]) < 2 || std::atoi(argv[2]) < 1) {
    std::fprintf(stderr, "usage: make-contest STATIONS QSOS_PER_LOG DIR\n");
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(argv[3], error);
  std::filesystem::current_path(argv[3], error);
  if (error) {
    std::fprintf(stderr, "make-contest: cannot write into %s\n", argv[3]);
    return 2;
  }
  kovra::PosixPlatform platform;
  for (const kovra::bench::ContestLog& log : kovra::bench::GenerateContest(std::atoi(argv[1]), std::atoi(argv[2]))) {
    kovra::StationSettings settings;
    settings.callsign = log.call;
    settings.logBaseName = kovra::LogBaseName(log.call);
    settings.categoryOperator = "SINGLE-OP";
    settings.categoryBand = "ALL";
    settings.categoryPower = "LOW";
    for (const kovra::bench::ContestQso& q : log.qsos) {
      const kovra::OleDate time = kovra::MakeOleDate(2026, 12, 5, q.minute / 60, q.minute % 60, 0);
      kovra::AddQsoLine(settings, {q.call, q.freqKHz, kovra::CabrilloModeCode("BPSK63"), time, "599", q.exchgSent,
                                   "599", q.exchgRcvd});
    }
    kovra::WriteCabrilloLog(settings, static_cast<int>(log.qsos.size()), platform);
  }
  return 0;
}
