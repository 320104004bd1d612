#include "tools/replay.h"

#include <cstdio>
#include <filesystem>
#include <optional>

#include "tools/adif_reader.h"

namespace kovra::replay {
namespace {

std::optional<std::string> ReadBytes(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return bytes;
}

std::string FirstValue(const AdifLog& log, std::string_view name) {
  for (const AdifField& field : log.header) {
    if (field.name == name && !field.value.empty()) return field.value;
  }
  for (const AdifRecord& record : log.records) {
    const std::string* value = record.Find(name);
    if (value && !value->empty()) return *value;
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
  const auto bytes = ReadBytes(path);
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
  plan.repeats = FindTourRepeats(plan.contacts);
  return true;
}

ReplayResult RunReplay(const ReplayPlan& plan, const host::PluginCalls& calls, bool report) {
  ReplayResult result;
  std::error_code ignored;
  std::filesystem::create_directory("Plugins", ignored);
  result.pluginsFolder = std::filesystem::is_directory("Plugins", ignored);
  calls.ResetStats(report ? 1 : 0, plan.callsign.c_str(), plan.titleDate);
  for (const QsoContact& contact : plan.contacts) calls.AddData(contact.Args());
  const char* text = calls.getResult(&result.score);
  result.resultText = text ? text : "";
  if (report) result.cabrilloName = CabrilloFileName(plan.callsign);
  return result;
}

std::string CabrilloFileName(const std::string& callsign) {
  std::string base = callsign;
  for (char& c : base) {
    if (c == '/' || c == '\\') c = '_';
  }
  const char* blanks = " \t\n\v\f\r";
  const std::size_t first = base.find_first_not_of(blanks);
  base = first == std::string::npos ? std::string()
                                    : base.substr(first, base.find_last_not_of(blanks) - first + 1);
  return (base.empty() ? "KOVRA" : base) + ".cbr";
}

}  // namespace kovra::replay
