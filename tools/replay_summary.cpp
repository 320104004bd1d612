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

std::string TimeText(const OleDate& time) {
  const auto p = ToDateTimeParts(time);
  if (!p) return "(no time)";
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p->year, p->month, p->day,
                p->hour, p->minute, p->second);
  return text;
}

std::string TourName(const TourRepeat& r) {
  const DateTimeParts& t = r.tour;
  char text[40];
  std::snprintf(text, sizeof text, "tour %04d-%02d-%02d %02d:%02d-%02d:%02d", t.year, t.month,
                t.day, t.hour, t.minute, t.hour, t.minute + 29);
  return text;
}

std::string Station(const QsoContact& c) {
  return Readable(c.call) + " on " + Readable(c.band) + " " + Readable(c.mode);
}

std::string Sighting(const QsoContact& c) {
  return "record " + std::to_string(c.record) + " at " + TimeText(c.time);
}

std::string FormatRepeats(const ReplayPlan& plan) {
  if (plan.repeats.empty()) return "Repeats within a tour: none\n";
  std::vector<TourRepeat> byTour = plan.repeats;
  std::stable_sort(byTour.begin(), byTour.end(), [](const TourRepeat& a, const TourRepeat& b) {
    return TourName(a) < TourName(b);
  });
  std::string text = "Repeats within a tour: " + std::to_string(byTour.size()) + "\n";
  std::string tour;
  for (const TourRepeat& r : byTour) {
    if (TourName(r) != tour) text += "  " + (tour = TourName(r)) + "\n";
    const QsoContact& b = plan.contacts[r.repeat];
    text += "    " + Station(b) + ": " + Sighting(plan.contacts[r.first]) + ", again " +
            Sighting(b) + "\n";
  }
  return text;
}

std::string FormatIdentical(const ReplayPlan& plan) {
  if (plan.identical.empty()) return std::string();
  std::string text = "Identical records, kept once by the plug-in: " +
                     std::to_string(plan.identical.size()) + "\n";
  for (const IdenticalRecord& r : plan.identical) {
    text += "    " + Station(plan.contacts[r.again]) + ": record " +
            std::to_string(plan.contacts[r.again].record) + " repeats record " +
            std::to_string(plan.contacts[r.first].record) + "\n";
  }
  return text;
}

// What the operator was told, and what is on the disk to prove it.
std::string FormatCabrillo(const ReplayResult& result) {
  if (result.cabrilloName.empty()) return std::string();
  const std::string box = result.outputBox.empty() ? "(none seen)" : Readable(result.outputBox);
  std::string text = "\"Output\" box: " + box + "\nCabrillo log: " +
                     Readable(result.cabrilloName);
  switch (result.cabrillo) {
    case LogOnDisk::Written:
      return text + ", written\n";
    case LogOnDisk::LeftFromBefore:
      return text + ", not written: the file there is unchanged from before\n";
    case LogOnDisk::Missing:
      break;
  }
  return text + ", not written: no such file\n";
}

}  // namespace

std::string FormatReplay(const ReplayPlan& plan, const ReplayResult& result) {
  std::string text = "Replayed " + std::to_string(plan.contacts.size()) + " QSO records for " +
                     Readable(plan.callsign) + ".\n\n" + Readable(result.resultText);
  if (!text.empty() && text.back() != '\n') text += '\n';
  text += "\nScore returned: " + std::to_string(result.score) + "\n" + FormatRepeats(plan) +
          FormatIdentical(plan);
  if (!result.pluginsFolder) text += "No Plugins folder: the settings file could not be kept\n";
  return text + FormatCabrillo(result);
}

std::vector<std::string> FormatNotes(const std::string& path, const ReplayPlan& plan) {
  std::vector<std::string> lines;
  if (!NamesAWindowsFile(LogBaseName(plan.callsign))) {
    lines.push_back("the contestant's callsign \"" + Readable(plan.callsign) +
                    "\" holds a character no Windows file name may hold (<>:\"|?* or a control "
                    "character): its Cabrillo log " + Readable(CabrilloLogName(plan.callsign)) +
                    " cannot be written on Windows");
  }
  for (const QsoContact& contact : plan.contacts) {
    for (const std::string& note : contact.notes) {
      lines.push_back(path + ": record " + std::to_string(contact.record) + ": " + Readable(note));
    }
  }
  return lines;
}

}  // namespace kovra::replay
