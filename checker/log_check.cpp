#include "checker/log_check.h"

#include <algorithm>
#include <unordered_map>

#include "checker/cabrillo_reader.h"
#include "checker/labels.h"
#include "checker/qso_rules.h"
#include "engine/exchange.h"
#include "engine/tour.h"
#include "output/cabrillo_writer.h"
#include "platform/ascii_text.h"

namespace kovra::check {
namespace {

void Add(LogCheck& log, int line, Severity severity, Code code, Text text,
         std::vector<Arg> args = {}) {
  log.findings.push_back({line, severity, code, text, std::move(args)});
}

void CheckHeader(const CabrilloLog& read, LogCheck& log) {
  const TagLine* start = FirstTag(read, "START-OF-LOG");
  const int headerLine = start ? start->line : 1;
  if (const TagLine* call = FirstTag(read, "CALLSIGN")) {
    log.callsign = call->value;
    if (call->value.empty())
      Add(log, call->line, Severity::Error, Code::Callsign, Text::EmptyCallsign);
  } else {
    Add(log, headerLine, Severity::Error, Code::Callsign, Text::NoCallsign);
  }
  const std::string contest(kCabrilloContest);
  if (const TagLine* named = FirstTag(read, "CONTEST")) {
    log.contest = named->value;
    if (Upper(named->value) != contest) {
      Add(log, named->line, Severity::Error, Code::Contest, Text::OtherContest,
          {named->value, contest});
    }
  } else {
    Add(log, headerLine, Severity::Error, Code::Contest, Text::NoContest, {contest});
  }
  for (const char* tag :
       {"CATEGORY", "CATEGORY-OPERATOR", "CATEGORY-BAND", "CATEGORY-POWER", "CATEGORY-OVERLAY"}) {
    const TagLine* category = FirstTag(read, tag);
    if (!category || category->value.empty()) continue;
    log.category += (log.category.empty() ? "" : " ") + category->value;
  }
  const TagLine* claimed = FirstTag(read, "CLAIMED-SCORE");
  log.claimedLine = claimed ? claimed->line : headerLine;
  if (!claimed) {
    Add(log, headerLine, Severity::Error, Code::Claimed, Text::NoClaimed);
  } else if (!AllDigits(claimed->value) || claimed->value.size() > 18) {
    Add(log, claimed->line, Severity::Error, Code::Claimed, Text::ClaimedNotNumber,
        {claimed->value});
  } else {
    log.claimedScore = std::stoll(claimed->value);
  }
}

// False when the QSO has no date and time to place it in a tour.
bool CheckTime(const QsoFields& f, LogCheck& log, CheckedQso& c) {
  Text problem = Text::NoDateTime;
  if (!f.date.empty() || !f.time.empty()) c.time = ReadDateTime(f.date, f.time, problem);
  if (c.time) {
    c.when = MakeOleDate(c.time->year, c.time->month, c.time->day, c.time->hour, c.time->minute, 0);
    return true;
  }
  std::vector<Arg> args;
  if (problem != Text::NoDateTime) args.push_back(problem == Text::BadDate ? f.date : f.time);
  Add(log, c.line, Severity::Error, Code::Time, problem, std::move(args));
  return false;
}

// False when the frequency is no number, so the QSO has no band.
bool CheckFrequency(const QsoFields& f, LogCheck& log, CheckedQso& c) {
  const FrequencyRead read = ReadFrequency(f.freq);
  if (!read.number) {
    Add(log, c.line, Severity::Error, Code::Qso, Text::FieldNotNumber,
        {Text::FieldFrequency, f.freq});
    return false;
  }
  c.band = read.band;
  if (read.decimal)
    Add(log, c.line, Severity::Warning, Code::Frequency, Text::DecimalFrequency, {f.freq});
  if (!read.contestBand)
    Add(log, c.line, Severity::Warning, Code::Frequency, Text::OutOfBand, {f.freq});
  return true;
}

void CheckFields(const QsoFields& f, LogCheck& log, CheckedQso& c) {
  const std::string mode = Upper(f.mode);
  const auto group = ModeGroup(mode);
  c.mode = group ? std::string(*group) : mode;
  if (!group)
    Add(log, c.line, Severity::Error, Code::Mode, Text::UnknownMode, {f.mode, ModeCodeList()});
  const bool hasCallsign = log.callsign && !log.callsign->empty();
  if (hasCallsign && Upper(f.ownCall) != Upper(*log.callsign)) {
    Add(log, c.line, Severity::Error, Code::Callsign, Text::OwnCallDiffers,
        {f.ownCall, *log.callsign});
  }
  if (!IsSentExchange(f.sent))
    Add(log, c.line, Severity::Error, Code::Exchange, Text::SentRefused, {f.sent});
  if (!IsReceivedExchange(f.received)) {
    Add(log, c.line, Severity::Error, Code::Exchange, Text::ReceivedRefused, {f.received});
  }
  c.call = Upper(f.call);
  c.received = NormaliseExchange(f.received).text;
}

CheckedQso CheckQso(QsoLine& q, LogCheck& log) {
  CheckedQso c;
  c.line = q.line;
  c.fields = std::move(q.fields);
  if (q.problem) {
    log.findings.push_back(std::move(*q.problem));
    c.status = QsoStatus::Unreadable;
    return c;
  }
  const bool band = CheckFrequency(c.fields, log, c);
  CheckFields(c.fields, log, c);
  const bool time = CheckTime(c.fields, log, c);
  c.status = !band || !time          ? QsoStatus::Unreadable
             : c.fields.call.empty() ? QsoStatus::NoCall
                                     : QsoStatus::Counted;
  return c;
}

// The same worked call, band and mode within one tour of one UTC day.
void MarkRepeats(LogCheck& log) {
  std::unordered_map<std::string, int> firstInTour;
  firstInTour.reserve(log.qsos.size());
  for (CheckedQso& c : log.qsos) {
    if (c.status != QsoStatus::Counted) continue;
    const std::string key = c.call + '\n' + BandKey(c) + '\n' + c.mode + '\n' + c.fields.date +
                            ' ' + std::to_string(TourOfDay(c.time->hour, c.time->minute));
    const auto [first, isFirst] = firstInTour.try_emplace(key, c.line);
    if (isFirst) continue;
    c.status = QsoStatus::Repeat;
    c.repeatOf = first->second;
    const DateTimeParts start = TourStart(*c.time);
    Add(log, c.line, Severity::Warning, Code::Repeat, Text::Repeat,
        {c.fields.call, BandLabel(c.band), c.mode, DateText(start) + " " + TimeText(start),
         std::to_string(first->second)});
  }
}

}  // namespace

LogCheck CheckLog(std::string_view bytes) {
  CabrilloLog read = ReadCabrillo(bytes);
  LogCheck log;
  log.encoding = read.encoding;
  log.findings = std::move(read.findings);
  if (!read.empty) {
    CheckHeader(read, log);
    log.qsos.reserve(read.qsos.size());
    for (QsoLine& q : read.qsos) log.qsos.push_back(CheckQso(q, log));
    MarkRepeats(log);
  }
  SettleScore(log);
  return log;
}

const std::string& BandKey(const CheckedQso& qso) {
  return qso.band.empty() ? qso.fields.freq : qso.band;
}

void SettleScore(LogCheck& log) {
  log.unreadable = log.noCall = log.repeats = log.checkedScore = 0;
  log.bustedCalls = log.notInLog = log.exchangeErrors = log.uniqueCalls = 0;
  for (const CheckedQso& c : log.qsos) {
    switch (c.status) {
      case QsoStatus::Unreadable: ++log.unreadable; break;
      case QsoStatus::NoCall: ++log.noCall; break;
      case QsoStatus::Repeat: ++log.repeats; break;
      case QsoStatus::BustedCall: ++log.bustedCalls; break;
      case QsoStatus::NotInLog: ++log.notInLog; break;
      case QsoStatus::ExchangeError: ++log.exchangeErrors; break;
      case QsoStatus::Counted: ++log.checkedScore; break;
    }
    log.uniqueCalls += c.unique ? 1 : 0;
  }
  auto& f = log.findings;
  f.erase(std::remove_if(f.begin(), f.end(),
                         [](const Finding& x) { return x.text == Text::ClaimedDiffers; }),
          f.end());
  if (log.claimedScore && *log.claimedScore != log.checkedScore) {
    Add(log, log.claimedLine, Severity::Warning, Code::Claimed, Text::ClaimedDiffers,
        {std::to_string(*log.claimedScore), std::to_string(log.checkedScore)});
  }
  std::stable_sort(f.begin(), f.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
}

int CountOf(const std::vector<Finding>& findings, Severity severity) {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                        [&](const Finding& f) { return f.severity == severity; }));
}

}  // namespace kovra::check
