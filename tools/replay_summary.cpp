#include "tools/replay_summary.h"

#include <algorithm>
#include <cstdio>

#include "output/station_settings.h"
#include "platform/cp1251_utf8.h"

namespace kovra::replay {
namespace {

// The plug-in replaces slashes itself; these no Windows file name may hold.
bool NamesAWindowsFile(std::string_view name) {
  for (const char c : name) {
    const bool control = static_cast<unsigned char>(c) < 0x20;
    if (control || std::string_view("<>:\"|?*").find(c) != std::string_view::npos) return false;
  }
  return true;
}

// The plug-in's texts are code page 1251 with CR LF line ends.
std::string Readable(const std::string& cp1251) {
  std::string text = Cp1251ToUtf8(cp1251);
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

std::string TimeText(const OleDate& time, Language language) {
  const auto p = ToDateTimeParts(time);
  if (!p) return Say(ReplayText::NoTime, language);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p->year, p->month, p->day,
                p->hour, p->minute, p->second);
  return text;
}

// The date and the half hour; in this form the tours also sort by time.
std::string TourSpan(const TourRepeat& r) {
  const DateTimeParts& t = r.tour;
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d-%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.hour, t.minute + 29);
  return text;
}

std::string Station(const QsoContact& c, Language language) {
  return Say(ReplayText::Station, language, {Readable(c.call), Readable(c.band), Readable(c.mode)});
}

std::string FormatRepeats(const ReplayPlan& plan, Language language) {
  if (plan.repeats.empty()) return Say(ReplayText::NoRepeats, language) + "\n";
  std::vector<TourRepeat> byTour = plan.repeats;
  std::stable_sort(byTour.begin(), byTour.end(), [](const TourRepeat& a, const TourRepeat& b) {
    return TourSpan(a) < TourSpan(b);
  });
  std::string text = Say(ReplayText::Repeats, language, {std::to_string(byTour.size())}) + "\n";
  std::string tour;
  for (const TourRepeat& r : byTour) {
    if (TourSpan(r) != tour)
      text += "  " + Say(ReplayText::Tour, language, {tour = TourSpan(r)}) + "\n";
    const QsoContact& a = plan.contacts[r.first];
    const QsoContact& b = plan.contacts[r.repeat];
    text += "    " +
            Say(ReplayText::RepeatLine, language,
                {Station(b, language), std::to_string(a.record), TimeText(a.time, language),
                 std::to_string(b.record), TimeText(b.time, language)}) +
            "\n";
  }
  return text;
}

std::string FormatIdentical(const ReplayPlan& plan, Language language) {
  if (plan.identical.empty()) return std::string();
  std::string text =
      Say(ReplayText::Identical, language, {std::to_string(plan.identical.size())}) + "\n";
  for (const IdenticalRecord& r : plan.identical) {
    const QsoContact& again = plan.contacts[r.again];
    text += "    " +
            Say(ReplayText::IdenticalLine, language,
                {Station(again, language), std::to_string(again.record),
                 std::to_string(plan.contacts[r.first].record)}) +
            "\n";
  }
  return text;
}

// What the operator was told, and what is on the disk to prove it.
std::string FormatCabrillo(const ReplayResult& result, Language language) {
  if (result.cabrilloName.empty()) return std::string();
  const std::string box =
      result.outputBox.empty() ? Say(ReplayText::NoneSeen, language) : Readable(result.outputBox);
  const ReplayText onDisk = result.cabrillo == LogOnDisk::Written ? ReplayText::CabrilloWritten
                            : result.cabrillo == LogOnDisk::LeftFromBefore
                                ? ReplayText::CabrilloUnchanged
                                : ReplayText::CabrilloMissing;
  return Say(ReplayText::OutputBox, language, {box}) + "\n" +
         Say(onDisk, language, {Readable(result.cabrilloName)}) + "\n";
}

}  // namespace

std::string FormatReplay(const ReplayPlan& plan, const ReplayResult& result, Language language) {
  std::string text = Say(ReplayText::Replayed, language,
                         {std::to_string(plan.contacts.size()), Readable(plan.callsign)}) +
                     "\n\n" + Readable(result.resultText);
  if (!text.empty() && text.back() != '\n') text += '\n';
  text += "\n" + Say(ReplayText::ScoreReturned, language, {std::to_string(result.score)}) + "\n" +
          FormatRepeats(plan, language) + FormatIdentical(plan, language);
  if (!result.pluginsFolder) text += Say(ReplayText::NoPluginsFolder, language) + "\n";
  return text + FormatCabrillo(result, language);
}

std::vector<std::string> FormatNotes(const std::string& path, const ReplayPlan& plan,
                                     Language language) {
  std::vector<std::string> lines;
  if (!NamesAWindowsFile(LogBaseName(plan.callsign))) {
    lines.push_back(Say(ReplayText::UnsafeCallsign, language,
                        {Readable(plan.callsign), Readable(CabrilloLogName(plan.callsign))}));
  }
  for (const QsoContact& contact : plan.contacts) {
    for (const Note& note : contact.notes) {
      lines.push_back(Say(ReplayText::RecordNote, language,
                          {path, std::to_string(contact.record), Say(note, language)}));
    }
  }
  return lines;
}

}  // namespace kovra::replay
