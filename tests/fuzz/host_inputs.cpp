#include "tests/fuzz/host_inputs.h"

#include <climits>
#include <limits>

namespace kovra::fuzz {
namespace {

// One of the pool's texts, or one composed from the alphabet.
std::string Text(ByteReader& r, std::initializer_list<const char*> pool,
                 const std::string& alphabet, int maxLength) {
  const int i = r.Below(static_cast<int>(pool.size()) + 1);
  if (i < static_cast<int>(pool.size())) return pool.begin()[i];
  return r.Compose(alphabet, maxLength);
}

double TimeOfDayDate(ByteReader& r) {
  const double day = r.Pick<double>({46364, 46365, 46363, 0, -1, -2, 1, -657434, 2958465});
  const double seconds = r.Pick<double>({13, 14, 23, 0}) * 3600 +
                         r.Pick<double>({0, 5, 29, 30, 59}) * 60 +
                         r.Pick<double>({0, 30, 59, 59.4, 59.5, 59.6, 59.99999});
  const double fraction = seconds / 86400;
  // Before 1899-12-30 the day counts back while the fraction runs forward.
  return day < 0 || (day == 0 && r.Below(8) == 0) ? day - fraction : day + fraction;
}

double OddDate(ByteReader& r) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  return r.Pick<double>({std::numeric_limits<double>::quiet_NaN(), -0.0, inf, -inf, 1e300,
                         -657435.0, -657434.5, 2958465.999999, 2958466.0, -0.5, 0.999999999});
}

constexpr int kBoxCount = sizeof kSettingsBoxes / sizeof kSettingsBoxes[0];

}  // namespace

OleDate DrawDate(ByteReader& r) {
  switch (r.Below(8)) {
    case 5: return {TimeOfDayDate(r), r.Pick<int32_t>({OleDate::Invalid, OleDate::Null, 3})};
    case 6: return {r.Raw<double>(), OleDate::Valid};
    case 7: return {OddDate(r), OleDate::Valid};
    default: return {TimeOfDayDate(r), OleDate::Valid};
  }
}

UtcTime DrawClock(ByteReader& r) {
  const int hour = r.Below(2) ? r.Pick({13, 14, 23, 0}) : r.Below(24);
  const int minute = r.Below(2) ? r.Pick({0, 5, 29, 30, 59}) : r.Below(60);
  return {hour, minute};
}

std::string DrawCall(ByteReader& r) {
  return Text(r, {"UA3ABC", "UA9XYZ", "ua3abc", "RK3A", "", "UA3ABC/P"}, "UA3B/ a", 6);
}

std::string DrawMode(ByteReader& r) {
  return Text(r, {"BPSK63", "CW", "SSB", "cw", ""}, "CWSB", 3);
}

std::string DrawBand(ByteReader& r) {
  return Text(r,
              {"20", "40", "80", "160", "3.5", "7", "14", "20m", "20M", "", "0020",
               "12345678901234567890", "123456789012345678901", "\xC0"},
              "0123.m", 3);
}

std::string DrawExchangeSent(ByteReader& r) {
  return Text(r, {"001", "002 MA", "", "0599", "599"}, "0 M", 4);
}

std::string DrawExchangeReceived(ByteReader& r) {
  return Text(r, {"001MA", "001 MA", "0012MA", "001 SP", "001ma", "", "001", "01MA"}, "01 MAS\xC0",
              8);
}

std::string DrawCallsign(ByteReader& r) {
  return Text(
      r, {"RK3A", "UA3ABC/P", "UA3ABC\\P", "", "   ", " RK3A \r\n", "UA3:A*B", "UA3ABCDEFGHIJKLMN"},
      "RK3/\\ ", 6);
}

int DrawReportFlag(ByteReader& r) { return r.Pick({0, 1, 0, -1, 2, INT_MIN}); }

const char* DrawSettingsKey(ByteReader& r) {
  std::vector<const char*> keys;
  for (const SettingsBox& box : kSettingsBoxes) {
    if (box.key) keys.push_back(box.key);
  }
  return keys[r.Below(static_cast<int>(keys.size()))];
}

std::string DrawFieldText(ByteReader& r) {
  std::string text;
  for (int pieces = r.Below(5); pieces > 0; --pieces) {
    text += r.Pick<const char*>({"a", "\r\n", "<CR>", "<LF>", "\r", "\n", "<C", "R>", " ", "\xC0"});
  }
  return text;
}

model::ModelReport DrawReport(ByteReader& r) {
  model::ModelReport m;
  m.call = DrawCall(r);
  m.time = DrawDate(r);
  m.freqHz =
      r.Below(4)
          ? r.Pick<uint32_t>({0, 999, 1000, 3575500, 7035000, 14070999, 144000000, 4294967295u})
          : r.Raw<uint32_t>();
  m.mode = DrawMode(r);
  m.rstSent = Text(r, {"599", "59", ""}, "59", 4);
  m.rstRcvd = Text(r, {"599", "59", ""}, "59", 4);
  m.exchgSent = DrawExchangeSent(r);
  m.exchgRcvd = DrawExchangeReceived(r);
  m.prefix = Text(r, {"UA", "UA2", "UA9", "UA3", "ua", "RA", ""}, "UA9 ", 3);
  m.extra = r.Pick<const char*>({"", "x", "\xC0"});
  m.band = DrawBand(r);
  return m;
}

model::ModelReport Mutated(ByteReader& r, model::ModelReport m) {
  const model::ModelReport fresh = DrawReport(r);
  switch (r.Below(12)) {
    case 0: m.call = fresh.call; break;
    case 1: m.time = fresh.time; break;
    case 2: m.freqHz = fresh.freqHz; break;
    case 3: m.mode = fresh.mode; break;
    case 4: m.rstSent = fresh.rstSent; break;
    case 5: m.rstRcvd = fresh.rstRcvd; break;
    case 6: m.exchgSent = fresh.exchgSent; break;
    case 7: m.exchgRcvd = fresh.exchgRcvd; break;
    case 8: m.prefix = fresh.prefix; break;
    case 9: m.extra = fresh.extra; break;
    case 10: m.band = fresh.band; break;
    default: m.time.value += r.Pick({1.0, -1.0, 1.0 / 86400, 0.5 / 86400});
  }
  return m;
}

model::ModelCheck DrawCheck(ByteReader& r) {
  model::ModelCheck c;
  c.call = DrawCall(r);
  c.mode = DrawMode(r);
  if (r.Below(8)) c.prefix = Text(r, {"UA", "UA2", "UA9", "UA3", "ua", ""}, "UA9", 3);
  c.region = Text(r, {"MA", "SP", "", "ma", "01", "M"}, "MAS", 2);
  c.band = DrawBand(r);
  return c;
}

FormScript DrawFormScript(ByteReader& r) {
  FormScript script;
  script.endCode = r.Pick({1, 2, 1, 0, -1});
  for (int n = r.Below(4); n > 0; --n)
    script.edits.emplace_back(r.Below(kBoxCount), DrawFieldText(r));
  return script;
}

int Play(const FormScript& script, SettingsForm& form) {
  for (const auto& [box, text] : script.edits) form.*kSettingsBoxes[box].text = text;
  return script.endCode;
}

}  // namespace kovra::fuzz
