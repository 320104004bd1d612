#include "tools/replay.h"

#include <filesystem>
#include <optional>

#include "output/cabrillo_writer.h"
#include "output/station_settings.h"
#include "platform/ascii_text.h"
#include "platform/file_io.h"
#include "tools/adif_reader.h"

namespace kovra::replay {
namespace {

// When a file was last changed; nothing when there is none.
std::optional<std::filesystem::file_time_type> Stamp(const std::string& name) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(name, error);
  if (error) return std::nullopt;
  return time;
}

// Blanks around a callsign are no part of it.
std::string FirstValue(const AdifLog& log, std::string_view name) {
  for (const AdifField& field : log.header) {
    const std::string_view value = Trim(field.value);
    if (field.name == name && !value.empty()) return std::string(value);
  }
  for (const AdifRecord& record : log.records) {
    const std::string* value = record.Find(name);
    const std::string_view trimmed = value ? Trim(*value) : std::string_view();
    if (!trimmed.empty()) return std::string(trimmed);
  }
  return std::string();
}

std::string Where(const std::string& path, int record) {
  return path + (record ? ": record " + std::to_string(record) : std::string(": header")) + ": ";
}

}  // namespace

bool PlanReplay(const std::string& path, const std::string& callsign, ReplayPlan& plan,
                std::string& error) {
  plan = ReplayPlan();
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return error = path + ": cannot be read", false;
  AdifLog log;
  AdifError adifError;
  if (!ParseAdif(*bytes, log, adifError)) {
    return error = Where(path, adifError.record) + adifError.message, false;
  }
  if (log.records.empty()) return error = path + ": no QSO record", false;
  plan.callsign = callsign;
  if (plan.callsign.empty()) plan.callsign = FirstValue(log, "STATION_CALLSIGN");
  if (plan.callsign.empty()) plan.callsign = FirstValue(log, "OPERATOR");
  if (plan.callsign.empty()) {
    return error = path + ": no STATION_CALLSIGN or OPERATOR: give --call CALLSIGN", false;
  }
  for (const AdifRecord& record : log.records) plan.contacts.push_back(MapRecord(record));
  plan.titleDate = plan.contacts.front().time;
  plan.identical = FindIdenticalRecords(plan.contacts);
  plan.repeats = FindTourRepeats(plan.contacts, plan.identical);
  return true;
}

ReplayResult RunReplay(const ReplayPlan& plan, const host::PluginCalls& calls, bool report) {
  ReplayResult result;
  std::error_code ignored;
  std::filesystem::create_directory("Plugins", ignored);
  result.pluginsFolder = std::filesystem::is_directory("Plugins", ignored);
  calls.ResetStats(report ? 1 : 0, plan.callsign.c_str(), plan.titleDate);
  for (const QsoContact& contact : plan.contacts) calls.AddData(contact.Args());
  if (report) result.cabrilloName = CabrilloLogName(plan.callsign);
  const auto before = Stamp(result.cabrilloName);
  const char* text = calls.GetResult0(&result.score);
  result.resultText = text ? text : "";
  if (report) {
    const auto after = Stamp(result.cabrilloName);
    result.cabrillo = !after            ? LogOnDisk::Missing
                      : after == before ? LogOnDisk::LeftFromBefore
                                        : LogOnDisk::Written;
  }
  return result;
}

std::string CabrilloLogName(const std::string& callsign) {
  return CabrilloFileName(LogBaseName(callsign));
}

}  // namespace kovra::replay
