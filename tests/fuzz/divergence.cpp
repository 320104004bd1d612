#include "tests/fuzz/divergence.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kovra::fuzz {
namespace {

long long Bits(double value) {
  long long bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

void CompareContact(Comparer& c, const Contact& e, const model::ModelContact& m) {
  c.Text("call", e.call, m.call);
  c.Text("prefix", e.prefix, m.prefix);
  c.Text("extra", e.extra, m.extra);
  c.Text("band", e.band, m.band);
  c.Text("mode", e.mode, m.mode);
  c.Text("rstRcvd", e.rstRcvd, m.rstRcvd);
  c.Text("rstSent", e.rstSent, m.rstSent);
  c.Text("exchgRcvd", e.exchgRcvd, m.exchgRcvd);
  c.Text("exchgSent", e.exchgSent, m.exchgSent);
  c.Text("maCall", e.maCall, m.maCall);
  c.Text("regionCode", e.regionCode, m.regionCode);
  c.Number("freqKHz", e.freqKHz, m.freqKHz);
  c.Number("time status", e.time.status, m.time.status);
  c.Number("time value bits", Bits(e.time.value), Bits(m.time.value));
}

// Each box's text, in the record or in the form.
#define KOVRA_COMPARE_BOX(name, ...) c.Text(#name, e.name, m.name);

void CompareSettings(Comparer& c, const StationSettings& e, const model::ModelSettings& m) {
  c.At("settings");
  KOVRA_SETTINGS_BOXES(KOVRA_COMPARE_BOX)
  c.Text("logBaseName", e.logBaseName, m.logBaseName);
  std::string modelLines;
  for (const std::string& line : m.qsoLines) modelLines += line;
  c.Text("qsoLines", e.qsoLines, modelLines);
}

void CompareForm(Comparer& c, const SettingsForm& e, const SettingsForm& m) {
  KOVRA_SETTINGS_BOXES(KOVRA_COMPARE_BOX)
}

#undef KOVRA_COMPARE_BOX

void CompareMessage(Comparer& c, const MessageBoxRequest& e, const MessageBoxRequest& m) {
  c.Text("text", e.text, m.text);
  c.Text("caption", e.caption ? e.caption : "(null)", m.caption ? m.caption : "(null)");
  c.Number("informationIcon", e.informationIcon, m.informationIcon);
  c.Number("ownedByActiveWindow", e.ownedByActiveWindow, m.ownedByActiveWindow);
}

void CompareFiles(Comparer& c, const std::map<std::string, std::string>& e,
                  const std::map<std::string, std::string>& m) {
  if (e == m) return;
  for (const auto& [name, bytes] : e) {
    const auto other = m.find(name);
    const std::string label = "file " + name;
    c.At(label.c_str());
    if (other == m.end()) c.Fail("", "present", "absent");
    c.Text("", bytes, other->second);
  }
  c.At("files");
  c.Fail("", "(fewer)", "(a file the engine has not)");
}

void CompareHost(Comparer& c, const test::FakeHost& e, const test::FakeHost& m) {
  c.At("host");
  c.Number("attempts", e.attempts, m.attempts);
  c.Number("opens", e.opens, m.opens);
  c.Number("closes", e.closes, m.closes);
  c.Number("commands", e.received.size(), m.received.size());
  for (std::size_t i = 0; i < e.received.size(); ++i) {
    c.At("host command", i);
    c.Text("", e.received[i], m.received[i]);
  }
}

}  // namespace

std::string Escaped(std::string_view bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    switch (ch) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\\': out += "\\\\"; break;
      default:
        if (b >= 0x20 && b < 0x7F) {
          out += ch;
        } else {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", b);
          out += hex;
        }
    }
  }
  return out;
}

std::string Described(const OleDate& date) {
  char text[48];
  std::snprintf(text, sizeof text, "%.17g/%d", date.value, static_cast<int>(date.status));
  return text;
}

void Comparer::Text(const char* what, std::string_view engine, std::string_view model) {
  if (engine != model) Fail(what, "\"" + Escaped(engine) + "\"", "\"" + Escaped(model) + "\"");
}

void Comparer::Number(const char* what, long long engine, long long model) {
  if (engine != model) Fail(what, std::to_string(engine), std::to_string(model));
}

void Comparer::Fail(const char* what, const std::string& engine, const std::string& model) const {
  if (!tracing_) throw Diverged{};
  std::string name = Escaped(record_);
  if (index_ != kNoIndex) name += "[" + std::to_string(index_) + "]";
  if (*what) name += std::string(name.empty() ? "" : ".") + what;
  std::fprintf(stderr, "\n=== DIVERGENCE between engine and reference model ===\nHost calls:\n");
  for (std::size_t i = 0; i < trace_.size(); ++i) {
    std::fprintf(stderr, "  %3zu %s\n", i + 1, trace_[i].c_str());
  }
  std::fprintf(stderr, "After the last call, %s differs:\n  engine: %s\n  model:  %s\n",
               name.c_str(), engine.c_str(), model.c_str());
  std::abort();
}

void CompareLog(Comparer& c, const Plugin& engine, const model::ReferenceModel& model) {
  c.At("log");
  c.Number("contacts", engine.log().size(), model.contacts().size());
  std::size_t i = 0;
  for (const Contact& contact : engine.log()) {
    c.At("contact", i);
    CompareContact(c, contact, model.contacts()[i++]);
  }
  const auto& bands = engine.bands().bands();
  c.At("band list");
  c.Number("size", bands.size(), model.bands().size());
  for (i = 0; i < bands.size(); ++i) {
    c.At("band", i);
    c.Text("", bands[i], model.bands()[i]);
  }
}

void CompareState(Comparer& c, const Plugin& engine, const model::ReferenceModel& model) {
  CompareLog(c, engine, model);
  CompareSettings(c, engine.settings(), model.settings());
  c.At("");
  c.Number("claimed score", engine.claimedScore(), model.claimedScore());
}

void ComparePorts(Comparer& c, const test::FakePorts& engine, const test::FakePorts& model) {
  const test::FakePlatform& e = engine.platform;
  const test::FakePlatform& m = model.platform;
  CompareFiles(c, e.files, m.files);
  c.At("");
  c.Number("message boxes", e.messages.size(), m.messages.size());
  c.Number("forms shown", engine.form.shown.size(), model.form.shown.size());
  c.Number("programs started", e.started.size(), m.started.size());
  for (std::size_t i = 0; i < e.messages.size(); ++i) {
    c.At("message box", i);
    CompareMessage(c, e.messages[i], m.messages[i]);
  }
  for (std::size_t i = 0; i < engine.form.shown.size(); ++i) {
    c.At("form", i);
    CompareForm(c, engine.form.shown[i], model.form.shown[i]);
  }
  for (std::size_t i = 0; i < e.started.size(); ++i) {
    c.At("program started", i);
    c.Text("", e.started[i], m.started[i]);
  }
  CompareHost(c, engine.host, model.host);
}

}  // namespace kovra::fuzz
