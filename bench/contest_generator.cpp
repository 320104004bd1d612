#include "bench/contest_generator.h"

#include <algorithm>
#include <utility>

#include "output/cabrillo_writer.h"
#include "tests/support/fake_platform.h"

namespace kovra::bench {
namespace {

constexpr int kTours = 8;
constexpr int kFirstMinute = 12 * 60;
constexpr const char* kBands[] = {"80", "40", "20"};  // and their frequencies below
constexpr std::uint32_t kFreqKHz[] = {3580, 7040, 14070};
constexpr const char* kRegions[] = {"MA", "MO", "SP", "LO", "NO", "KR", "SV", "TT"};

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  int Below(int n) {  // splitmix64: the same numbers on every platform
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return static_cast<int>((z ^ (z >> 31)) % static_cast<std::uint64_t>(n));
  }

 private:
  std::uint64_t state_;
};

std::string Call(int i) {
  static const char* const kPrefixes[] = {"UA", "RA", "RW", "RZ"};
  std::string call = kPrefixes[i % 4] + std::to_string(1 + i / 4 % 9);
  for (int k = 0, n = i / 36; k < 3; ++k, n /= 26) call += static_cast<char>('A' + n % 26);
  return call;
}

struct Side {
  int station;
  int minute;
  bool logged = true;
  std::string call;  // as this side copied the other's
  bool miscopiesExchange = false;
  int serial = 0;
};

struct Contact {
  int band;
  Side side[2];
};

// A QSO with a station of the generated contest that sent no log: one side only.
Contact WithAbsent(int station, int minute, int band, int absent) {
  Contact c{band, {{station, minute, true, Call(absent)}, {-1, minute, false, Call(absent)}}};
  return c;
}

std::vector<Contact> Contacts(int stations, int qsosPerLog, Random& random,
                              const std::vector<int>& clock) {
  const int absent = stations / 3;  // calls stations + 0 .. absent - 1 send no log
  std::vector<Contact> contacts;
  std::vector<int> order(stations);
  for (int tour = 0; tour < kTours; ++tour) {
    std::vector<int> bandsUsed(static_cast<std::size_t>(stations) * stations, 0);
    for (int round = 0; round < qsosPerLog / kTours; ++round) {
      for (int i = 0; i < stations; ++i) order[i] = i;
      for (int i = stations - 1; i > 0; --i) std::swap(order[i], order[random.Below(i + 1)]);
      for (int i = 0; i + 1 < stations; i += 2) {
        const int a = std::min(order[i], order[i + 1]), b = std::max(order[i], order[i + 1]);
        int& used = bandsUsed[static_cast<std::size_t>(a) * stations + b];
        int band = random.Below(3);
        while (used & (1 << band) && used != 7) band = (band + 1) % 3;
        if (used == 7) continue;  // no band left without a repeat in this tour
        used |= 1 << band;
        const int minute = kFirstMinute + tour * 30 + random.Below(30);
        Contact c{band,
                  {{a, minute + clock[a] + random.Below(2), true, Call(b)},
                   {b, minute + clock[b] + random.Below(2), true, Call(a)}}};
        const int fault = random.Below(1000);
        Side& faulty = c.side[random.Below(2)];
        if (fault < 15) faulty.logged = false;
        if (fault >= 15 && fault < 25) faulty.call.back() = faulty.call.back() == 'Z' ? 'Y' : 'Z';
        if (fault >= 25 && fault < 35) faulty.miscopiesExchange = true;
        contacts.push_back(std::move(c));
        if (random.Below(30) == 0) {
          contacts.push_back(
              WithAbsent(a, minute + 1, random.Below(3), stations + random.Below(absent + 1)));
        }
      }
    }
  }
  return contacts;
}

std::string Exchange(int serial, int station) {
  std::string digits = std::to_string(serial);
  return std::string(3 - std::min<std::size_t>(3, digits.size()), '0') + digits + ' ' +
         kRegions[station % 8];
}

}  // namespace

std::vector<ContestLog> GenerateContest(int stations, int qsosPerLog) {
  Random random(static_cast<std::uint64_t>(stations) * 7919 +
                static_cast<std::uint64_t>(qsosPerLog));
  std::vector<int> clock(stations);
  for (int& minutes : clock) minutes = random.Below(20) == 0 ? random.Below(7) - 3 : 0;
  std::vector<Contact> contacts = Contacts(stations, qsosPerLog, random, clock);

  // Serials count each log's QSOs in time order.
  std::vector<std::vector<std::pair<int, int>>> byStation(stations);  // (contact, side)
  for (int i = 0; i < static_cast<int>(contacts.size()); ++i) {
    for (int s = 0; s < 2; ++s) {
      if (contacts[i].side[s].logged) byStation[contacts[i].side[s].station].push_back({i, s});
    }
  }
  for (auto& mine : byStation) {
    std::stable_sort(mine.begin(), mine.end(), [&](const auto& x, const auto& y) {
      return contacts[x.first].side[x.second].minute < contacts[y.first].side[y.second].minute;
    });
    for (std::size_t n = 0; n < mine.size(); ++n)
      contacts[mine[n].first].side[mine[n].second].serial = int(n) + 1;
  }

  std::vector<ContestLog> logs(stations);
  for (int station = 0; station < stations; ++station) {
    logs[station].call = Call(station);
    for (const auto& [i, s] : byStation[station]) {
      const Contact& c = contacts[i];
      const Side& mine = c.side[s];
      const Side& theirs = c.side[1 - s];
      const int theirSerial = theirs.station < 0 ? 1 + random.Below(500) : theirs.serial;
      std::string received = Exchange(theirSerial, theirs.station < 0 ? 0 : theirs.station);
      if (mine.miscopiesExchange) received[2] = received[2] == '9' ? '8' : '9';
      logs[station].qsos.push_back({mine.call, kBands[c.band],
                                    kFreqKHz[c.band] + static_cast<std::uint32_t>(i % 40),
                                    mine.minute, Exchange(mine.serial, station), received});
    }
  }
  return logs;
}

std::string CabrilloBytes(const ContestLog& log) {
  StationSettings settings;
  settings.callsign = log.call;
  settings.logBaseName = LogBaseName(log.call);
  settings.categoryOperator = "SINGLE-OP";
  settings.categoryBand = "ALL";
  settings.categoryPower = "LOW";
  for (const ContestQso& q : log.qsos) {
    const OleDate time = MakeOleDate(2026, 12, 5, q.minute / 60, q.minute % 60, 0);
    AddQsoLine(settings, {q.call, q.freqKHz, CabrilloModeCode("BPSK63"), time, "599", q.exchgSent,
                          "599", q.exchgRcvd});
  }
  test::FakePlatform platform;
  WriteCabrilloLog(settings, static_cast<int>(log.qsos.size()), platform);
  return platform.files[CabrilloFileName(settings.logBaseName)];
}

}  // namespace kovra::bench
