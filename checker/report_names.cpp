#include "checker/report_names.h"

#include <set>

#include "output/station_settings.h"
#include "platform/ascii_text.h"

namespace kovra::check {
namespace {

constexpr std::size_t kMaxBaseLength = 64;

bool Plain(char c) { return IsLetter(c) || IsDigit(c) || c == '_' || c == '-'; }

// Windows opens these as devices whatever follows them.
bool IsDeviceName(const std::string& upper) {
  static const std::set<std::string> kDevices{"CON", "PRN", "AUX", "NUL"};
  const bool numbered = upper.size() == 4 &&
                        (upper.rfind("COM", 0) == 0 || upper.rfind("LPT", 0) == 0) &&
                        upper[3] >= '0' && upper[3] <= '9';
  return numbered || kDevices.count(upper) != 0;
}

std::string SafeBase(const std::string& callsign) {
  std::string base = LogBaseName(callsign).substr(0, kMaxBaseLength);
  for (char& c : base) {
    if (!Plain(c)) c = '_';
  }
  if (base[0] == '-') base[0] = '_';  // no name a command would take for an option
  if (IsDeviceName(Upper(base))) base += '_';
  return base;
}

}  // namespace

std::vector<std::string> ReportFileNames(const std::vector<std::string>& callsigns) {
  std::set<std::string> taken;  // upper case: Windows' file names ignore letter case
  std::vector<std::string> names;
  for (const std::string& callsign : callsigns) {
    const std::string base = SafeBase(callsign);
    std::string name = base;
    for (int n = 2; !taken.insert(Upper(name)).second; ++n) name = base + '-' + std::to_string(n);
    names.push_back(name + ".txt");
  }
  return names;
}

}  // namespace kovra::check
