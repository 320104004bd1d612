#include "tests/model/model_settings.h"

#include <array>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <utility>

namespace kovra::model {
namespace {

using Field = std::string ModelSettings::*;
using Box = std::string SettingsForm::*;

constexpr char kIni[] = "Plugins\\KOVRA.ini";
constexpr char kSection[] = "Settings";

// Keys read at every step. Only "Operators" falls back to something, the callsign.
struct ReadKey {
  const char* key;
  Field field;
  bool fallsBackToCallsign;
};
const ReadKey kReadKeys[] = {
    {"Operators", &ModelSettings::operators, true}, {"Name", &ModelSettings::name, false},
    {"Address", &ModelSettings::address, false},    {"Claimed", &ModelSettings::claimed, false},
    {"Email", &ModelSettings::email, false},        {"Club", &ModelSettings::club, false},
    {"SoapBox", &ModelSettings::soapbox, false}};

// Keys written on OK, in the order written.
struct WrittenKey {
  const char* key;
  Field field;
};
const WrittenKey kWrittenKeys[] = {
    {"Operators", &ModelSettings::operators}, {"Name", &ModelSettings::name},
    {"Address", &ModelSettings::address},     {"Category", &ModelSettings::categoryOperator},
    {"Contest", &ModelSettings::contest},     {"Email", &ModelSettings::email},
    {"Club", &ModelSettings::club},           {"SoapBox", &ModelSettings::soapbox}};

// Set at every step, whatever the file holds.
struct Fixed {
  Field field;
  const char* value;
};
const Fixed kFixed[] = {{&ModelSettings::contest, "Velmora"},
                        {&ModelSettings::categoryOperator, "A4.BPSK63"},
                        {&ModelSettings::categoryBand, "ALL"},
                        {&ModelSettings::categoryPower, "HIGH"}};

// The multi-line values, with the tag that each further line gets in the log.
struct MultiLine {
  Field field;
  const char* tag;
};
const MultiLine kMultiLine[] = {{&ModelSettings::address, "ADDRESS"},
                                {&ModelSettings::soapbox, "SOAPBOX"}};
using StoredTexts = std::array<std::string, std::size(kMultiLine)>;

// The boxes that show the record, by name; CLAIMED is shown but never read back,
// and LOCATION is bound to no field at all.
using Binding = std::pair<Field, Box>;
const Binding kReadBack[] = {{&ModelSettings::callsign, &SettingsForm::callsign},
                             {&ModelSettings::operators, &SettingsForm::operators},
                             {&ModelSettings::categoryOperator, &SettingsForm::categoryOperator},
                             {&ModelSettings::categoryBand, &SettingsForm::categoryBand},
                             {&ModelSettings::categoryPower, &SettingsForm::categoryPower},
                             {&ModelSettings::categoryOverlay, &SettingsForm::categoryOverlay},
                             {&ModelSettings::name, &SettingsForm::name},
                             {&ModelSettings::address, &SettingsForm::address},
                             {&ModelSettings::contest, &SettingsForm::contest},
                             {&ModelSettings::email, &SettingsForm::email},
                             {&ModelSettings::club, &SettingsForm::club},
                             {&ModelSettings::soapbox, &SettingsForm::soapbox}};

// One walk from the left: a match is replaced and skipped, never searched again.
std::string ReplaceAll(const std::string& text, const std::string& search,
                       const std::string& replacement) {
  if (search == replacement || search.empty()) return text;
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, search.size(), search) == 0) {
      out += replacement;
      i += search.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

struct Pass {
  const char* search;
  std::string replacement;
};

// Each pass runs over the whole outcome of the one before.
std::string InPasses(std::string text, std::initializer_list<Pass> passes) {
  for (const Pass& p : passes) text = ReplaceAll(text, p.search, p.replacement);
  return text;
}

std::string EditingFromFile(const std::string& text) {
  return InPasses(text, {{"<CR>", "\r"}, {"<LF>", "\n"}});
}

std::string FileFromEditing(const std::string& text) {
  return InPasses(text, {{"\r", "<CR>"}, {"\n", "<LF>"}});
}

std::string CabrilloFromFile(const std::string& text, const char* tag) {
  return InPasses(text, {{"<CR>", std::string("\r\n") + tag + ": "}, {"<LF>", ""}});
}

bool IsWhiteSpace(char c) {
  return std::string_view(" \t\n\v\f\r").find(c) != std::string_view::npos;
}

std::string LogBaseName(const std::string& callsign) {
  const std::string safe = InPasses(callsign, {{"/", "_"}, {"\\", "_"}});
  std::size_t first = 0, end = safe.size();
  while (first < end && IsWhiteSpace(safe[first])) ++first;
  while (end > first && IsWhiteSpace(safe[end - 1])) --end;
  return first == end ? "KOVRA" : safe.substr(first, end - first);
}

// Fills the record from the file and the fixed values, the multi-line ones in
// editing form; returns those as the file holds them.
StoredTexts Load(ModelSettings& s, const std::string& callsign, Platform& platform) {
  for (const ReadKey& k : kReadKeys) {
    s.*k.field =
        platform.ReadProfileString(kSection, k.key, k.fallsBackToCallsign ? callsign : "", kIni);
  }
  for (const Fixed& f : kFixed) s.*f.field = f.value;
  StoredTexts stored;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    stored[i] = s.*kMultiLine[i].field;
    s.*kMultiLine[i].field = EditingFromFile(stored[i]);
  }
  return stored;
}

// Takes the boxes back, saves, and returns the multi-line values in file form.
StoredTexts Confirm(ModelSettings& s, const SettingsForm& form, Platform& platform) {
  for (const auto& [field, box] : kReadBack) {
    s.*field = form.*box;
  }
  StoredTexts stored;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    stored[i] = s.*kMultiLine[i].field = FileFromEditing(s.*kMultiLine[i].field);
  }
  for (const WrittenKey& k : kWrittenKeys) {
    platform.WriteProfileString(kSection, k.key, s.*k.field, kIni);
  }
  return stored;
}

}  // namespace

int EditStationSettings(ModelSettings& s, const std::string& callsign, Platform& platform,
                        SettingsFormRunner& formRunner) {
  s.callsign = callsign;
  s.logBaseName = LogBaseName(callsign);
  StoredTexts stored = Load(s, callsign, platform);
  SettingsForm form;
  for (const auto& [field, box] : kReadBack) form.*box = s.*field;
  form.claimed = s.claimed;
  const bool ok = formRunner.Run(form) == 1;
  if (ok) stored = Confirm(s, form, platform);
  // The writer prints tagged lines only; after Cancel they come from what the file held.
  for (std::size_t i = 0; i < stored.size(); ++i) {
    s.*kMultiLine[i].field = CabrilloFromFile(stored[i], kMultiLine[i].tag);
  }
  if (ok) s.qsoLines.clear();
  return ok ? 1 : 0;
}

}  // namespace kovra::model
