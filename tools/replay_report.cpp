#include "tools/replay_report.h"

#include <algorithm>
#include <cstdio>

#include "tools/cp1251_utf8.h"

namespace kovra::replay {
namespace {

// The plug-in's texts are code page 1251 with CR LF line ends.
std::string Readable(const std::string& cp1251) {
  std::string text = Cp1251ToUtf8(cp1251);
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

std::string TimeText(const OleDate& time) {
  const auto p = ToDateTimeParts(time);
  if (!p) return "(no time)";
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p->year, p->month, p->day,
                p->hour, p->minute, p->second);
  return text;
}

std::string TourName(const TourRepeat& r) {
  char text[32];
  const int from = r.secondHalf ? 30 : 0;
  std::snprintf(text, sizeof text, "tour %02d:%02d-%02d:%02d", r.tourHour, from, r.tourHour,
                from + 29);
  return text;
}

std::string FormatRepeats(const ReplayPlan& plan) {
  if (plan.repeats.empty()) return "Repeats within a tour: none\n";
  std::vector<TourRepeat> byTour = plan.repeats;
  std::stable_sort(byTour.begin(), byTour.end(), [](const TourRepeat& a, const TourRepeat& b) {
    return a.tourHour * 2 + a.secondHalf < b.tourHour * 2 + b.secondHalf;
  });
  std::string text = "Repeats within a tour: " + std::to_string(byTour.size()) + "\n";
  std::string tour;
  for (const TourRepeat& r : byTour) {
    if (TourName(r) != tour) text += "  " + (tour = TourName(r)) + "\n";
    const QsoContact& a = plan.contacts[r.first];
    const QsoContact& b = plan.contacts[r.repeat];
    text += "    " + Readable(b.call) + " on " + Readable(b.band) + " " + Readable(b.mode) +
            ": record " + std::to_string(a.record) + " at " + TimeText(a.time) + ", again record " +
            std::to_string(b.record) + " at " + TimeText(b.time) + "\n";
  }
  return text;
}

std::string FormatScore(const ReplayResult& result) {
  std::string text = "Score returned: " + std::to_string(result.score);
  if (!result.cabrilloName.empty() && result.score == -1) text += " (a Cabrillo log was written)";
  return text + "\n";
}

}  // namespace

std::string FormatReplay(const ReplayPlan& plan, const ReplayResult& result) {
  std::string text = "Replayed " + std::to_string(plan.contacts.size()) + " QSO records for " +
                     Readable(plan.callsign) + ".\n\n" + Readable(result.resultText);
  if (!text.empty() && text.back() != '\n') text += '\n';
  text += "\n" + FormatScore(result) + FormatRepeats(plan);
  if (!result.pluginsFolder) text += "No Plugins folder: the settings file could not be kept\n";
  if (!result.cabrilloName.empty()) text += "Cabrillo log: " + Readable(result.cabrilloName) + "\n";
  return text;
}

std::vector<std::string> FormatNotes(const std::string& path, const ReplayPlan& plan) {
  std::vector<std::string> lines;
  for (const QsoContact& contact : plan.contacts) {
    for (const std::string& note : contact.notes) {
      lines.push_back(path + ": record " + std::to_string(contact.record) + ": " + Readable(note));
    }
  }
  return lines;
}

}  // namespace kovra::replay
