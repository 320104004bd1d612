// Differential fuzzing: one sequence of host calls, run on the engine and on the
// reference model, each over its own fake platform; every answer and every side
// effect must match byte for byte.
#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/profile_file.h"
#include "tests/fuzz/divergence.h"
#include "tests/fuzz/host_inputs.h"

namespace kovra::fuzz {
namespace {

constexpr char kIni[] = "Plugins\\KOVRA.ini";
constexpr int kMaxCalls = 120;

struct Sides {
  test::FakePorts engineSide, modelSide;
  Plugin engine{engineSide.platform, engineSide.form, engineSide.host};
  model::ReferenceModel model{modelSide.platform, modelSide.form, modelSide.host};
  std::vector<model::ModelReport> reported;  // for repeats and near-repeats
  const char* engineResult = nullptr;        // must stay valid until the next GetResult
  std::string engineResultCopy;
  Comparer compare;

  explicit Sides(bool tracing) : compare(tracing) {}

  // Applies the same change of surroundings to both platforms.
  template <typename F>
  void OnBoth(F change) {
    change(engineSide);
    change(modelSide);
  }
};

HostContact EngineReport(const model::ModelReport& m) {
  HostContact r;
  r.call = m.call;
  r.time = m.time;
  r.freqHz = m.freqHz;
  r.mode = m.mode;
  r.rstSent = m.rstSent;
  r.rstRcvd = m.rstRcvd;
  r.exchgSent = m.exchgSent;
  r.exchgRcvd = m.exchgRcvd;
  r.prefix = m.prefix;
  r.extra = m.extra;
  r.band = m.band;
  return r;
}

const model::ModelReport* Earlier(ByteReader& r, const Sides& s) {
  if (s.reported.empty() || r.Below(4) == 0) return nullptr;
  return &s.reported[r.Below(static_cast<int>(s.reported.size()))];
}

void Reset(ByteReader& r, Sides& s) {
  const int flag = DrawReportFlag(r);
  const std::string callsign = DrawCallsign(r);
  const OleDate date = DrawDate(r);
  const FormScript script = DrawFormScript(r);
  s.compare.Call([&] {
    return std::string("ResetStats0(" + std::to_string(flag) + ", \"" + Escaped(callsign) +
                       "\"), form ends " + std::to_string(script.endCode) + " after " +
                       std::to_string(script.edits.size()) + " edits");
  });
  s.OnBoth([&](test::FakePorts& p) {
    p.form.answer = [script](SettingsForm& f) { return Play(script, f); };
  });
  s.compare.Number("ResetStats0 result", s.engine.ResetStats(flag, callsign, date),
                   s.model.ResetStats(flag, callsign, date));
}

void Add(ByteReader& r, Sides& s) {
  const model::ModelReport* earlier = Earlier(r, s);
  const model::ModelReport report = !earlier     ? DrawReport(r)
                                    : r.Below(2) ? *earlier
                                                 : Mutated(r, *earlier);
  s.reported.push_back(report);
  s.compare.Call([&] {
    return std::string("AddData0(\"" + Escaped(report.call) + "\", band \"" + Escaped(report.band) +
                       "\", mode \"" + Escaped(report.mode) + "\", exchange \"" +
                       Escaped(report.exchgRcvd) + "\", prefix \"" + Escaped(report.prefix) +
                       "\", time " + Described(report.time) + ")");
  });
  s.compare.Number("AddData0 result", s.engine.AddData(EngineReport(report)),
                   s.model.AddData(report));
}

void Remove(ByteReader& r, Sides& s) {
  const model::ModelReport* earlier = Earlier(r, s);
  const std::string call = earlier ? earlier->call : DrawCall(r);
  const std::string mode = earlier ? earlier->mode : DrawMode(r);
  const std::string band = earlier ? earlier->band : DrawBand(r);
  const std::string sent = DrawExchangeSent(r), received = DrawExchangeReceived(r);
  s.compare.Call([&] {
    return std::string("RemoveData0(\"" + Escaped(call) + "\", mode \"" + Escaped(mode) +
                       "\", band \"" + Escaped(band) + "\", sent \"" + Escaped(sent) +
                       "\", received \"" + Escaped(received) + "\")");
  });
  s.compare.Number("RemoveData0 result", s.engine.RemoveData(call, mode, sent, received, band),
                   s.model.RemoveData(call, mode, sent, received, band));
}

void Check(ByteReader& r, Sides& s) {
  model::ModelCheck check = DrawCheck(r);
  if (const model::ModelReport* earlier = Earlier(r, s)) {
    check.call = earlier->call;
    check.mode = earlier->mode;
    check.band = earlier->band;
  }
  const UtcTime now = DrawClock(r);
  s.OnBoth([&](test::FakePorts& p) { p.platform.now = now; });
  const bool withBuffer = r.Below(8) != 0;
  const std::size_t size = 50 + check.call.size();  // the least the host must give
  std::unique_ptr<char[]> engineBuffer(new char[size]), modelBuffer(new char[size]);
  std::memset(engineBuffer.get(), 0x5A, size);
  std::memset(modelBuffer.get(), 0x5A, size);
  s.compare.Call([&] {
    return std::string("CheckCallFunc0(\"" + Escaped(check.call) + "\", mode \"" +
                       Escaped(check.mode) + "\", band \"" + Escaped(check.band) + "\", prefix " +
                       (check.prefix ? "\"" + Escaped(*check.prefix) + "\"" : "null") +
                       ", region \"" + Escaped(check.region) + "\") at " +
                       std::to_string(now.hour) + ":" + std::to_string(now.minute) +
                       (withBuffer ? "" : ", no buffer"));
  });
  const CallCheck engineCheck{
      check.call, check.mode,
      check.prefix ? std::optional<std::string_view>(*check.prefix) : std::nullopt, check.region,
      check.band};
  s.compare.Number("CheckCallFunc0 result",
                   s.engine.CheckCall(engineCheck, withBuffer ? engineBuffer.get() : nullptr),
                   s.model.CheckCall(check, withBuffer ? modelBuffer.get() : nullptr));
  s.compare.Text("message buffer", std::string_view(engineBuffer.get(), size),
                 std::string_view(modelBuffer.get(), size));
}

void Result(ByteReader& r, Sides& s) {
  const bool withScore = r.Below(8) != 0;
  s.compare.Call(
      [&] { return std::string(withScore ? "GetResult0(&score)" : "GetResult0(null)"); });
  int engineScore = 0x5A5A5A5A, modelScore = 0x5A5A5A5A;
  s.engineResult = s.engine.GetResult(withScore ? &engineScore : nullptr);
  s.engineResultCopy = s.engineResult;
  s.compare.Text("result text", s.engineResult,
                 s.model.GetResult(withScore ? &modelScore : nullptr));
  s.compare.Number("score", engineScore, modelScore);
}

void ChangeSurroundings(ByteReader& r, Sides& s) {
  switch (r.Below(7)) {
    case 0: {
      const char* key = DrawSettingsKey(r);
      const std::string value = DrawFieldText(r);
      s.compare.Call([&] {
        return std::string(std::string("settings file: ") + key + "=\"" + Escaped(value) + "\"");
      });
      s.OnBoth([&](test::FakePorts& p) {
        p.platform.files[kIni] = WithProfileValue(p.platform.files[kIni], "Settings", key, value);
      });
      return;
    }
    case 1: {
      const std::string bytes = r.Compose(std::string("CLUB: x\r\n\0\xC0", 11), 12);
      s.compare.Call([&] { return std::string("cabrillo.ini: \"" + Escaped(bytes) + "\""); });
      s.OnBoth([&](test::FakePorts& p) { p.platform.files["cabrillo.ini"] = bytes; });
      return;
    }
    case 2: {
      const std::string name =
          r.Below(2) ? std::string(kIni) : s.model.settings().logBaseName + ".cbr";
      s.compare.Call([&] { return std::string("toggle unwritable: " + Escaped(name)); });
      s.OnBoth([&](test::FakePorts& p) {
        if (!p.platform.unwritable.erase(name)) p.platform.unwritable.insert(name);
      });
      return;
    }
    case 3:
      s.compare.Call([&] { return std::string("toggle host running"); });
      s.OnBoth([&](test::FakePorts& p) { p.host.running = !p.host.running; });
      return;
    case 4: {
      const int fail = r.Below(6);
      s.compare.Call([&] { return std::string("host fails command " + std::to_string(fail)); });
      s.OnBoth([&](test::FakePorts& p) { p.host.failOnCommand = fail; });
      return;
    }
    case 5:
      s.compare.Call([&] { return std::string("cabrillo.ini removed"); });
      s.OnBoth([&](test::FakePorts& p) { p.platform.files.erase("cabrillo.ini"); });
      return;
    default:
      s.compare.Call([&] { return std::string("SetupSet0()"); });
      s.engine.SetupSet();
      s.model.SetupSet();
  }
}

void CheckResultStillValid(Sides& s) {
  if (s.engineResult) s.compare.Text("kept result text", s.engineResult, s.engineResultCopy);
}

// Whole-state comparisons after every call would make a run quadratic in its
// length; a call's stray effect still shows at the next full comparison.
void OneCall(ByteReader& r, Sides& s) {
  bool everything = false;
  switch (r.Below(16)) {
    case 0:
      Reset(r, s);
      everything = true;
      break;
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: Add(r, s); break;
    case 6:
    case 7: Remove(r, s); break;
    case 8:
    case 9:
    case 10:
    case 11: Check(r, s); break;
    case 12:
    case 13:
      Result(r, s);
      everything = true;
      break;
    default: ChangeSurroundings(r, s); everything = true;
  }
  CheckResultStillValid(s);
  if (everything || r.empty()) {
    CompareState(s.compare, s.engine, s.model);
    ComparePorts(s.compare, s.engineSide, s.modelSide);
  } else {
    CompareLog(s.compare, s.engine, s.model);
  }
}

}  // namespace
}  // namespace kovra::fuzz

namespace kovra::fuzz {
namespace {

void Run(const uint8_t* data, size_t size, bool tracing) {
  ByteReader reader(data, size);
  Sides sides(tracing);
  for (int calls = 0; calls < kMaxCalls && !reader.empty(); ++calls) OneCall(reader, sides);
}

}  // namespace
}  // namespace kovra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    kovra::fuzz::Run(data, size, false);
  } catch (const kovra::fuzz::Diverged&) {
    kovra::fuzz::Run(data, size, true);  // the same calls again, to report them
  }
  return 0;
}
