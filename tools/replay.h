#pragma once
#include <string>
#include <vector>

#include "platform/ole_date.h"
#include "plugin_calls/plugin_calls.h"
#include "tools/qso_mapping.h"
#include "tools/tour_repeats.h"

namespace kovra::replay {

// Everything the replay will send, worked out before anything is loaded or written.
struct ReplayPlan {
  std::string callsign;
  OleDate titleDate;  // the first QSO's date-time
  std::vector<QsoContact> contacts;
  std::vector<IdenticalRecord> identical;
  std::vector<TourRepeat> repeats;
};

// Reads and maps the whole log. On bad input (unreadable file, malformed ADIF,
// no QSO record, no contestant's callsign) returns false with a message that
// names the file and, where there is one, the record.
bool PlanReplay(const std::string& path, const std::string& callsign, ReplayPlan& plan,
                std::string& error);

// What became of the Cabrillo log the plug-in names after the contestant.
enum class LogOnDisk { Written, Missing, LeftFromBefore };

struct ReplayResult {
  std::string resultText;      // code page 1251, as the plug-in returned it
  int score = 0;               // as GetResult0 wrote it
  bool pluginsFolder = false;  // Plugins\ is there for the settings file
  std::string outputBox;       // the "Output" box's text, as the operator read it
  std::string cabrilloName;    // with the report flag only
  LogOnDisk cabrillo = LogOnDisk::Missing;
};

// Makes Plugins\ if missing, then resets the plug-in, adds every contact in
// file order and asks for the result.
ReplayResult RunReplay(const ReplayPlan& plan, const host::PluginCalls& calls, bool report);

// The Cabrillo log the plug-in names after the contestant's callsign.
std::string CabrilloLogName(const std::string& callsign);

}  // namespace kovra::replay
