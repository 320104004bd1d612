#include "bench/bench_contacts.h"

namespace kovra::bench {
namespace {

std::string Suffix(int i) {
  std::string s;
  for (int k = 0; k < 4; ++k, i /= 26) s += char('A' + i % 26);
  return s;
}

}  // namespace

HostContact GeneratedContact::Report() const {
  HostContact r;
  r.call = call;
  r.time = time;
  r.freqHz = freqHz;
  r.mode = mode;
  r.rstSent = "599";
  r.rstRcvd = "599";
  r.exchgSent = "001 MA";
  r.exchgRcvd = exchgRcvd;
  r.prefix = prefix;
  r.band = band;
  return r;
}

std::vector<GeneratedContact> GenerateContacts(int n) {
  static const char* const kBands[] = {"160", "80", "40", "20", "15", "10"};
  static const unsigned kFreqHz[] = {1838000, 3580000, 7040000, 14070000, 21070000, 28120000};
  static const char* const kModes[] = {"BPSK63", "CW", "SSB", "RTTY"};
  static const char* const kRegions[] = {"MA", "MO", "SP", "LO", "NO", "KR", "SV", "TT"};
  std::vector<GeneratedContact> contacts(n);
  for (int i = 0; i < n; ++i) {
    GeneratedContact& c = contacts[i];
    const bool home = i % 3 != 0;
    c.call = (home ? "UA" + std::to_string(i % 10) : "DL" + std::to_string(i % 10)) + Suffix(i);
    c.prefix = home ? (i % 10 == 9 ? "UA9" : "UA") : "DL";
    c.band = kBands[i % 6];
    c.freqHz = kFreqHz[i % 6] + unsigned(i % 997);
    c.mode = kModes[(i / 6) % 4];
    c.exchgRcvd = std::to_string(100 + i % 900) + (i % 2 ? " " : "") + kRegions[i % 8];
    c.time = MakeOleDate(2026, 12, 8 + (i / 20000), (i / 800) % 24, (i / 14) % 60, i % 60);
  }
  return contacts;
}

}  // namespace kovra::bench
