#include "checker/json_report.h"

#include "checker/labels.h"
#include "checker/tour_view.h"

namespace kovra::check {
namespace {

using Json = nlohmann::ordered_json;

Json OrNull(const std::optional<std::string>& value) { return value ? Json(*value) : Json(); }

Json Problems(const std::vector<Finding>& findings, Language language) {
  Json list = Json::array();
  for (const Finding& f : findings) {
    list.push_back({{"line", f.line},
                    {"severity", SeverityName(f.severity)},
                    {"code", CodeName(f.code)},
                    {"text", FindingText(f, language)}});
  }
  return list;
}

Json Tours(const TourView& view) {
  Json tours = Json::array();
  for (const TourRow& row : view.rows) {
    Json bands = Json::object();
    for (std::size_t i = 0; i < view.bands.size(); ++i) {
      if (row.qsos[i] > 0) bands[BandLabel(view.bands[i])] = row.qsos[i];
    }
    tours.push_back({{"date", DateText(row.start)},
                     {"start", TimeText(row.start)},
                     {"qsos", bands},
                     {"repeats", row.repeats}});
  }
  return tours;
}

Json NearEdges(const TourView& view) {
  Json list = Json::array();
  for (const EdgeQso& q : view.nearEdges) {
    list.push_back({{"line", q.line},
                    {"time", DateText(q.time) + " " + TimeText(q.time)},
                    {"call", q.call},
                    {"band", BandLabel(q.band)}});
  }
  return list;
}

}  // namespace

Json LogJson(const std::string& file, const LogCheck& log, Language language) {
  const TourView view = BuildTourView(log.qsos);
  return {{"file", file},
          {"callsign", OrNull(log.callsign)},
          {"claimed_score", log.claimedScore ? Json(*log.claimedScore) : Json()},
          {"qsos", log.qsos.size()},
          {"repeats", log.repeats},
          {"not_in_log", log.notInLog},
          {"busted_calls", log.bustedCalls},
          {"exchange_errors", log.exchangeErrors},
          {"unique_calls", log.uniqueCalls},
          {"checked_score", log.checkedScore},
          {"clock_offset_minutes", log.clockOffsetMinutes ? Json(*log.clockOffsetMinutes) : Json()},
          {"problems", Problems(log.findings, language)},
          {"contest", OrNull(log.contest)},
          {"unreadable", log.unreadable},
          {"no_call", log.noCall},
          {"errors", CountOf(log.findings, Severity::Error)},
          {"warnings", CountOf(log.findings, Severity::Warning)},
          {"tours", Tours(view)},
          {"near_tour_edges", NearEdges(view)}};
}

std::string JsonDocument(const std::vector<Json>& logs) {
  const Json document = {{"logs", logs}};
  // A file name from the command line need not be UTF-8.
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace kovra::check
