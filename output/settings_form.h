#pragma once
#include <string>

namespace kovra {

// The texts of the station settings form's boxes, one per bound box.
struct SettingsForm {
  std::string callsign;          // 1010
  std::string contest;           // 1009
  std::string claimed;           // 1008
  std::string name;              // 1007
  std::string operators;         // 1006
  std::string club;              // 1005
  std::string email;             // 1004
  std::string address;           // 1002, multi-line
  std::string soapbox;           // 1001, multi-line
  std::string categoryOperator;  // 1013
  std::string categoryBand;      // 1014
  std::string categoryPower;     // 1015
  std::string categoryOverlay;   // 1016
  std::string location;          // 1018: shown empty, never read back
};

// Shows the form to the operator and waits for the answer: the DLL's dialog,
// a terminal or a test's script.
class SettingsFormRunner {
 public:
  virtual ~SettingsFormRunner() = default;
  // Returns the form's end code (1 for OK); on OK the form holds the answers.
  virtual int Run(SettingsForm& form) = 0;
};

}  // namespace kovra
