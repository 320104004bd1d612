// make-contest STATIONS QSOS_PER_LOG DIR: the generated contest as the plug-in
// writes it, one Cabrillo log per station, for whole runs of kovra-check.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bench/contest_generator.h"
#include "output/cabrillo_writer.h"
#include "output/station_settings.h"

int main(int argc, char** argv) {
  if (argc != 4 || std::atoi(argv[1]) < 2 || std::atoi(argv[2]) < 1) {
    std::fprintf(stderr, "usage: make-contest STATIONS QSOS_PER_LOG DIR\n");
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(argv[3], error);
  for (const kovra::bench::ContestLog& log :
       kovra::bench::GenerateContest(std::atoi(argv[1]), std::atoi(argv[2]))) {
    const std::filesystem::path path =
        std::filesystem::path(argv[3]) / kovra::CabrilloFileName(kovra::LogBaseName(log.call));
    std::ofstream out(path, std::ios::binary);
    if (!(out << kovra::bench::CabrilloBytes(log))) {
      std::fprintf(stderr, "make-contest: cannot write %s\n", path.string().c_str());
      return 2;
    }
  }
  return 0;
}
