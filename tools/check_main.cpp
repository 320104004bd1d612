#include "tools/check_main.h"

#include <filesystem>

#include "checker/contest_check.h"
#include "checker/contest_report.h"
#include "checker/json_report.h"
#include "checker/people_report.h"
#include "checker/report_names.h"
#include "checker/results_table.h"
#include "kovra_version.h"
#include "tools/check_options.h"
#include "tools/contest_files.h"

namespace kovra::check {
namespace {

constexpr char kProgram[] = "kovra-check: ";
constexpr std::size_t kProgressSteps = 10;

struct Contest {
  std::vector<std::string> files;
  std::vector<LogCheck> logs;
  std::vector<LogVerdict> verdicts;  // empty unless two or more logs were read
};

int ErrorStatus(const std::vector<LogCheck>& logs) {
  for (const LogCheck& log : logs) {
    if (CountOf(log.findings, Severity::Error) > 0) return 1;
  }
  return 0;
}

int RunOne(const CheckOptions& options, Language language, const FileReader& read,
           Console& console) {
  const std::string& path = options.logs.front();
  std::string why;
  const std::optional<std::string> bytes = read(path, why);
  if (!bytes) {
    console.Err(kProgram + Format(Text::CannotRead, language, {path, why}) + "\n");
    return 2;
  }
  const LogCheck log = CheckLog(*bytes);
  if (options.json) {
    console.Out(JsonDocument({LogJson(path, log, language)}));
  } else {
    console.Out(PeopleReport(path, log, language));
  }
  return ErrorStatus({log});
}

// Folders stand for the .cbr files in them.
std::vector<std::string> LogPaths(const CheckOptions& options, Language language, Console& console,
                                  int& status) {
  std::vector<std::string> paths;
  for (const std::string& arg : options.logs) {
    if (!IsFolder(arg)) {
      paths.push_back(arg);
      continue;
    }
    std::string why;
    const std::size_t before = paths.size();
    if (!LogsInFolder(arg, paths, why)) {
      console.Err(kProgram + Format(Text::CannotRead, language, {arg, why}) + "\n");
      status = 2;
    } else if (paths.size() == before) {
      console.Err(kProgram + Format(Text::NoLogsInFolder, language, {arg}) + "\n");
      status = 2;
    }
  }
  return paths;
}

// A log that cannot be read is named and left out; the others are still checked.
Contest ReadAll(const std::vector<std::string>& paths, Language language, const FileReader& read,
                Console& console, int& status) {
  Contest contest;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    std::string why;
    const std::optional<std::string> bytes = read(paths[i], why);
    if (bytes) {
      contest.files.push_back(paths[i]);
      contest.logs.push_back(CheckLog(*bytes));
    } else {
      console.Err(kProgram + Format(Text::LeftOut, language, {paths[i], why}) + "\n");
      status = 2;
    }
    if ((i + 1) * kProgressSteps / paths.size() != i * kProgressSteps / paths.size()) {
      console.Err(kProgram +
                  Format(Text::ProgressReading, language,
                         {std::to_string(i + 1), std::to_string(paths.size())}) +
                  "\n");
    }
  }
  return contest;
}

std::string ReportOf(const Contest& c, std::size_t i, Language language) {
  if (c.verdicts.empty()) return PeopleReport(c.files[i], c.logs[i], language);
  return ContestReport(c.files, c.logs, c.verdicts, i, language);
}

// results.csv and a report per log, named after its call (its file where it has none).
int WriteOut(const Contest& c, const std::string& folder, Language language, Console& console) {
  console.Err(kProgram +
              Format(Text::ProgressWriting, language, {std::to_string(c.logs.size()), folder}) +
              "\n");
  std::vector<std::string> calls;
  std::vector<ResultRow> rows;
  for (std::size_t i = 0; i < c.logs.size(); ++i) {
    const std::string call = c.logs[i].callsign.value_or(std::string());
    calls.push_back(call.empty() ? std::filesystem::u8path(c.files[i]).stem().u8string() : call);
    rows.push_back(ResultRowOf(c.files[i], c.logs[i]));
  }
  const std::vector<std::string> names = ReportFileNames(calls);
  // One message for a folder that takes nothing, not one per report.
  const auto write = [&](const std::string& name, const std::string& bytes) {
    std::string why;
    if (WriteInFolder(folder, name, bytes, why)) return true;
    console.Err(kProgram + Format(Text::CannotWrite, language, {folder + "/" + name, why}) + "\n");
    return false;
  };
  if (!write("results.csv", ResultsCsv(rows))) return 2;
  for (std::size_t i = 0; i < c.logs.size(); ++i) {
    if (!write(names[i], ReportOf(c, i, language))) return 2;
  }
  return 0;
}

int RunMany(const CheckOptions& options, Language language, const FileReader& read,
            Console& console) {
  int status = 0;
  Contest c =
      ReadAll(LogPaths(options, language, console, status), language, read, console, status);
  if (c.logs.size() >= 2) {
    std::size_t lines = 0;
    for (const LogCheck& log : c.logs) lines += log.qsos.size();
    console.Err(kProgram +
                Format(Text::ProgressCrossCheck, language,
                       {std::to_string(lines), std::to_string(c.logs.size())}) +
                "\n");
    c.verdicts = CrossCheckLogs(c.logs);
  }
  if (options.json) {
    std::vector<nlohmann::ordered_json> documents;
    for (std::size_t i = 0; i < c.logs.size(); ++i)
      documents.push_back(LogJson(c.files[i], c.logs[i], language));
    console.Out(JsonDocument(documents));
  } else if (!options.out) {
    for (std::size_t i = 0; i < c.logs.size(); ++i)
      console.Out((i ? "\n\n" : "") + ReportOf(c, i, language));
  }
  if (options.out) status = std::max(status, WriteOut(c, *options.out, language, console));
  return status == 2 ? 2 : std::max(status, ErrorStatus(c.logs));
}

}  // namespace

int CheckMain(const std::vector<std::string>& args, Language userLanguage, const FileReader& read,
              Console& console) {
  CheckOptions options;
  const std::optional<OptionError> error = ParseCheckOptions(args, options);
  const Language language = options.language.value_or(userLanguage);
  int status = 0;
  if (error) {
    console.Err(kProgram + Format(error->text, language, {error->detail}) + "\n");
    console.Err(TextOf(Text::Usage, language));
    status = 2;
  } else if (options.help) {
    console.Out(TextOf(Text::Usage, language));
  } else if (options.version) {
    console.Out("kovra-check " KOVRA_VERSION "\n");
  } else if (options.logs.size() == 1 && !options.out && !IsFolder(options.logs.front())) {
    status = RunOne(options, language, read, console);
  } else {
    status = RunMany(options, language, read, console);
  }
  console.HoldWindow(TextOf(Text::PressEnter, language));
  return status;
}

}  // namespace kovra::check
