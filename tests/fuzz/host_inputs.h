#pragma once
// Host call arguments drawn from the fuzzer's bytes. Texts come from small pools
// and alphabets, so repeats and near-repeats of contacts are common.
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "tests/fuzz/byte_reader.h"
#include "tests/model/reference_model.h"

namespace kovra::fuzz {

OleDate DrawDate(ByteReader& r);
UtcTime DrawClock(ByteReader& r);
model::ModelReport DrawReport(ByteReader& r);
// The same report with one field drawn anew.
model::ModelReport Mutated(ByteReader& r, model::ModelReport report);
model::ModelCheck DrawCheck(ByteReader& r);

std::string DrawCall(ByteReader& r);
std::string DrawMode(ByteReader& r);
std::string DrawBand(ByteReader& r);
std::string DrawExchangeSent(ByteReader& r);
std::string DrawExchangeReceived(ByteReader& r);
std::string DrawCallsign(ByteReader& r);
int DrawReportFlag(ByteReader& r);
// One of the settings file's keys.
const char* DrawSettingsKey(ByteReader& r);
// A text an operator might type or a settings file might hold: line breaks and markers.
std::string DrawFieldText(ByteReader& r);

// What the operator does in the settings form: box edits, then OK or another end.
struct FormScript {
  int endCode = 2;
  std::vector<std::pair<int, std::string>> edits;  // box index, new text
};
FormScript DrawFormScript(ByteReader& r);
int Play(const FormScript& script, SettingsForm& form);

}  // namespace kovra::fuzz
