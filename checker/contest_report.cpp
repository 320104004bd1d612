#include "checker/contest_report.h"

#include <cmath>
#include <cstdlib>
#include <cstdio>

#include "checker/labels.h"
#include "checker/people_report.h"
#include "output/cabrillo_writer.h"

namespace kovra::check {
namespace {

// The fields as the plug-in lays out a QSO line, whoever wrote them.
std::string QsoLineText(const QsoFields& f) {
  const std::string dateTime = f.date + " " + f.time;
  const std::string* values[] = {&f.freq, &f.mode, &dateTime,      &f.ownCall, &f.rstSent,
                                 &f.sent, &f.call, &f.rstReceived, &f.received};
  std::string line = "QSO:";
  for (std::size_t i = 0; i < std::size(values); ++i) {
    const std::size_t fill =
        values[i]->size() < kQsoColumns[i].width ? kQsoColumns[i].width - values[i]->size() : 0;
    line += ' ';
    if (kQsoColumns[i].rightAligned) line.append(fill, ' ');
    line += *values[i];
    if (!kQsoColumns[i].rightAligned && i + 1 < std::size(values)) line.append(fill, ' ');
  }
  return line;
}

std::string Minutes(double minutes, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, minutes);
  return text;
}

struct Contest {
  const std::vector<std::string>& files;
  const std::vector<LogCheck>& logs;
  const std::vector<LogVerdict>& verdicts;
  Language language;

  const CheckedQso& Qso(const QsoRef& ref) const { return logs[ref.log].qsos[ref.qso]; }
  std::string CallOf(std::size_t log) const { return logs[log].callsign.value_or(files[log]); }
};

std::string Why(const Contest& c, const CheckedQso& q, const QsoVerdict& v) {
  const Language l = c.language;
  switch (v.status) {
    case QsoStatus::Unreadable: return Format(Text::WhyUnreadable, l);
    case QsoStatus::NoCall: return Format(Text::WhyNoCall, l);
    case QsoStatus::Repeat: return Format(Text::WhyRepeat, l, {std::to_string(q.repeatOf)});
    case QsoStatus::BustedCall:
      return Format(Text::WhyBusted, l, {q.fields.call, c.CallOf(v.partner->log)});
    case QsoStatus::ExchangeError:
      return Format(Text::WhyExchange, l,
                    {q.fields.received, c.CallOf(v.partner->log), c.Qso(*v.partner).fields.sent});
    case QsoStatus::NotInLog:
      if (!v.partner) return Format(Text::WhyNotInLog, l, {q.fields.call});
      return Format(Text::WhyNotInLogNearest, l,
                    {q.fields.call, std::to_string(std::llabs(std::llround(
                                        (q.when.value - c.Qso(*v.partner).when.value) * 1440)))});
    case QsoStatus::Counted: break;
  }
  return std::string();
}

std::string NotCountedText(const Contest& c, std::size_t which) {
  const LogCheck& log = c.logs[which];
  std::string text = Format(Text::NotCountedHeading, c.language) + "\n";
  bool any = false;
  for (std::size_t i = 0; i < log.qsos.size(); ++i) {
    const QsoVerdict& v = c.verdicts[which].qsos[i];
    if (v.status == QsoStatus::Counted) continue;
    any = true;
    const CheckedQso& q = log.qsos[i];
    text += "  " + PadRight(Format(Text::Line, c.language) + " " + std::to_string(q.line), 12) +
            Why(c, q, v) + "\n";
    const bool beside = v.partner && v.status != QsoStatus::Repeat;
    const std::string mine = Format(Text::YourLine, c.language);
    const std::string theirs =
        beside ? Format(Text::TheirLine, c.language,
                        {c.files[v.partner->log], std::to_string(c.Qso(*v.partner).line)})
               : "";
    const std::size_t width = std::max(Width(mine), Width(theirs)) + 2;
    text += "    " + PadRight(mine + ":", width) + QsoLineText(q.fields) + "\n";
    if (beside)
      text += "    " + PadRight(theirs + ":", width) + QsoLineText(c.Qso(*v.partner).fields) + "\n";
  }
  return any ? text : Format(Text::AllCounted, c.language) + "\n";
}

std::string UniquesText(const Contest& c, std::size_t which) {
  std::string text;
  for (const CheckedQso& q : c.logs[which].qsos) {
    if (!q.unique) continue;
    text += "  " + PadRight(Format(Text::Line, c.language) + " " + std::to_string(q.line), 12) +
            PadRight(q.call, 14) + PadRight(BandLabel(q.band), 7) + DateText(*q.time) + " " +
            TimeText(*q.time) + "\n";
  }
  return text.empty() ? text : "\n" + Format(Text::UniquesHeading, c.language) + "\n" + text;
}

std::string ClockText(const LogVerdict& v, Language language) {
  if (!v.clockOffsetTenths) return Format(Text::NoClockOffset, language) + "\n";
  const std::string minutes =
      Minutes(*v.clockOffsetTenths / 10.0, *v.clockOffsetTenths ? "%+.1f" : "%.1f");
  if (v.clockOffsetTakenOut) return Format(Text::ClockOffset, language, {minutes}) + "\n";
  return Format(Text::ClockOffsetTooLarge, language,
                {minutes, std::to_string(kMaxFreeOffsetMinutes)}) +
         "\n";
}

}  // namespace

std::string ContestReport(const std::vector<std::string>& files, const std::vector<LogCheck>& logs,
                          const std::vector<LogVerdict>& verdicts, std::size_t which,
                          Language language) {
  const Contest c{files, logs, verdicts, language};
  const LogCheck& log = logs[which];
  return HeadingText(files[which], log, language) +
         Format(Text::CrossHeading, language, {std::to_string(logs.size() - 1)}) + "\n\n" +
         FindingsText(log.findings, language) + "\n" + ScoreText(log, language, true) + "\n" +
         ClockText(verdicts[which], language) + "\n" + NotCountedText(c, which) +
         UniquesText(c, which) + "\n" + TourViewText(BuildTourView(log.qsos), language);
}

}  // namespace kovra::check
