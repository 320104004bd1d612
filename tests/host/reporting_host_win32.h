#pragma once
#include <functional>
#include <string>
#include <vector>

#include "tests/host/plugin_host_win32.h"

namespace kovra::host {

constexpr char kOwnCall[] = "UA3ABC";
constexpr char kOwnLog[] = "UA3ABC.cbr";

// What one GetResult0 with the report flag gave back and told the operator.
struct Report {
  std::string text;
  std::string message;   // the "Output" box; empty when none showed
  HWND owner = nullptr;  // the box's owner window
  HICON icon = nullptr;
  int score = 0;
};

// A host session in which reports are asked for: the operator confirms the
// settings form at each reset and the "Output" box at each result.
class ReportingHost : public PluginHost {
 protected:
  static void ConfirmForm(HWND form);
  // ResetStats0 with the report flag while `operate` plays the operator on the
  // settings form; by default OK on it unchanged.
  void ResetForReport(Text callsign = kOwnCall,
                      const std::function<void(HWND)>& operate = ConfirmForm);
  Report ResultWithReport(int* score);
  Report ResultWithReport();
  // The temporary files the writer left in the current directory.
  std::vector<std::string> Leftovers() const;
};

bool IsDirectory(const char* path);

// For texts too long to print when a check fails.
inline bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A contact of 8 December 2026 at 13:45 on 14070 kHz with a foreign prefix.
ContactArgs SampleContact(Text call, Text band = "20", Text exchgRcvd = "001 MA");

// Its line in the Cabrillo log, logged by kOwnCall.
std::string SampleQsoLine(const std::string& call, const std::string& exchgRcvd,
                          const std::string& dateField = "2026-12-08 1345");

// The log's header as the settings form leaves it when confirmed unchanged
// without a settings file (the file's values would stand in the blank lines).
std::string DefaultHeader(int claimedScore);

}  // namespace kovra::host
