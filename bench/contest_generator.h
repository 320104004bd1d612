#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kovra::bench {

struct ContestQso {
  std::string call;  // the worked station
  std::string band;  // as the band plan names it
  std::uint32_t freqKHz = 0;
  int minute = 0;  // UTC, from the contest day's midnight
  std::string exchgSent, exchgRcvd;
};

struct ContestLog {
  std::string call;
  std::vector<ContestQso> qsos;  // in time order
};

// A BPSK63 contest of eight tours on three bands, the same for the same
// arguments: `stations` logs of about `qsosPerLog` QSOs, the stations working
// each other in every tour; a few QSOs missing from one side, calls and
// exchanges miscopied, clocks a few minutes off, and stations that sent no log.
std::vector<ContestLog> GenerateContest(int stations, int qsosPerLog);

// The log as the plug-in writes it: the Cabrillo file's bytes.
std::string CabrilloBytes(const ContestLog& log);

}  // namespace kovra::bench
