#include "tools/replay_main.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "dll/exports.h"
#include "kovra_version.h"
#include "tests/tools/scratch_dir.h"
#include "tools/native_calls.h"

namespace kovra::replay {
namespace {

class FakeSource : public PluginSource {
 public:
  bool Open(const ReplayOptions& options, host::PluginCalls& calls, std::string& error) override {
    opened = options;
    if (!works) return error = "cannot load x.dll", false;
    calls = LinkedExports();
    return true;
  }
  void Close() override { closed = true; }
  std::string OutputBoxText() const override { return "File produced: RA3VLM.cbr"; }

  bool works = true;
  ReplayOptions opened;
  bool closed = false;
};

class RecordingConsole : public Console {
 public:
  void Out(std::string_view utf8) override { out.append(utf8); }
  void Err(std::string_view utf8) override { err.append(utf8); }
  void HoldWindow(std::string_view) override {}
  std::string out, err;
};

class ReplayMainTest : public test::ScratchDirTest {
 protected:
  int Run(std::vector<const char*> args) { return Run(args, source); }
  int Run(std::vector<const char*> args, PluginSource& from, Language user = Language::English) {
    args.insert(args.begin(), "kovra-replay");
    RecordingConsole console;
    const int status = ReplayMain(static_cast<int>(args.size()), args.data(), from, user, console);
    out_ = console.out;
    err_ = console.err;
    return status;
  }

  FakeSource source;
  std::string out_, err_;
};

TEST_F(ReplayMainTest, ReplaysWithTheOptionsAndNotesOnStderr) {
  Write("log.adi", "<CALL:3>R3A<EOR><BAND:3>20m<EOR>");
  EXPECT_EQ(Run({"--call", "RA3VLM", "--plugin", "x.dll", "--report", "--confirm", "log.adi"}), 0);
  EXPECT_TRUE(source.opened.report && source.opened.confirm && source.closed);
  EXPECT_EQ(source.opened.pluginPath, "x.dll");
  EXPECT_NE(out_.find("Total\t 2\t 1\n"), std::string::npos);
  EXPECT_NE(out_.find("Replayed 2 QSO records for RA3VLM."), std::string::npos) << out_;
  EXPECT_NE(
      out_.find("\"Output\" box: File produced: RA3VLM.cbr\nCabrillo log: RA3VLM.cbr, written\n"),
      std::string::npos);
  EXPECT_NE(err_.find("kovra-replay: log.adi: record 2: no CALL"), std::string::npos) << err_;
}

TEST_F(ReplayMainTest, BadLogOrUnusablePluginStopsBeforeAnythingIsWritten) {
  Write("log.adi", "<CALL:3>R3A<EOR><CALL:4>R3");
  EXPECT_EQ(Run({"--call", "RA3VLM", "log.adi"}), 2);
  EXPECT_EQ(err_,
            "kovra-replay: log.adi: record 2: field CALL runs past the end of the file "
            "(4 bytes announced, 2 left)\n");
  EXPECT_EQ(source.opened.logPath, "");
  Write("log.adi", "<CALL:3>R3A<QSO_DATE:8>20261205<TIME_ON:4>1200<FREQ:1>7<EOR>");
  source.works = false;
  EXPECT_EQ(Run({"--call", "RA3VLM", "log.adi"}), 1);
  EXPECT_EQ(err_, "kovra-replay: cannot load x.dll\n");
  EXPECT_FALSE(std::filesystem::exists("Plugins"));
  EXPECT_EQ(out_, "");
}

// A log that cannot be written: what the operator was told, and no claim of a log;
// a callsign that cannot name a Windows file is said before the replay.
TEST_F(ReplayMainTest, UnwritableLogIsReportedAsShownAndAWindowsUnsafeCallForetold) {
  Write("log.adi", "<CALL:3>R3A<BAND:3>20m<EOR>");
  const std::string tooLong(300, 'A');  // no file system takes a name this long
  LinkedPlugin linked;
  ASSERT_EQ(Run({"--call", tooLong.c_str(), "--report", "--confirm", "log.adi"}, linked), 0);
  EXPECT_NE(out_.find("\"Output\" box: File not produced: " + tooLong +
                      ".cbr\nCabrillo log: " + tooLong + ".cbr, not written: no such file\n"),
            std::string::npos)
      << out_;
  EXPECT_EQ(out_.find(", written"), std::string::npos);

  ASSERT_EQ(Run({"--call", "R3A:B", "log.adi"}, linked), 0);
  EXPECT_NE(err_.find("kovra-replay: the contestant's callsign \"R3A:B\" holds a character no "
                      "Windows file name may hold"),
            std::string::npos)
      << err_;
}

// --lang decides, else the user's language: the summary and the notes speak it.
TEST_F(ReplayMainTest, SummaryAndNotesInTheChosenLanguage) {
  Write("log.adi", "<CALL:3>R3A<BAND:3>20m<EOR>");
  const struct {
    std::vector<const char*> args;
    Language user;
    const char *out, *err;
  } cases[] = {
      {{"log.adi"},
       Language::Russian,
       "Пересчитано записей QSO: 1, позывной RA3VLM.",
       "kovra-replay: log.adi: запись 1: нет "
       "FREQ; передана частота 14000 кГц, нижняя граница диапазона 20\n"},
      {{"--lang", "ru", "log.adi"}, Language::English, "Повторные связи в туре: нет\n", ""},
      {{"--lang", "en", "log.adi"},
       Language::Russian,
       "Repeats within a tour: none\n",
       "kovra-replay: log.adi: record 1: no FREQ; sent as 14000 kHz"},
  };
  for (const auto& c : cases) {
    std::vector<const char*> args = {"--call", "RA3VLM"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    ASSERT_EQ(Run(args, source, c.user), 0);
    EXPECT_NE(out_.find(c.out), std::string::npos) << out_;
    EXPECT_NE(err_.find(c.err), std::string::npos) << err_;
  }
  EXPECT_EQ(Run({"--lang", "de", "log.adi"}), 2);
  EXPECT_NE(err_.find("--lang takes en or ru"), std::string::npos);
}

TEST_F(ReplayMainTest, BadCommandLineShowsUsage) {
  for (const std::vector<const char*>& args :
       {std::vector<const char*>{}, {"--call"}, {"--frobnicate", "log.adi"}, {"a.adi", "b.adi"}}) {
    EXPECT_EQ(Run(args), 2);
    EXPECT_NE(err_.find("Usage: kovra-replay"), std::string::npos);
  }
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(out_.find("--confirm"), std::string::npos);
  EXPECT_EQ(Run({"--version"}), 0);
  EXPECT_EQ(out_, "kovra-replay " KOVRA_VERSION "\n");
}

}  // namespace
}  // namespace kovra::replay
