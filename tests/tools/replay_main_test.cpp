#include "tools/replay_main.h"

#include <gtest/gtest.h>

#include <cstdio>
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

class ReplayMainTest : public test::ScratchDirTest {
 protected:
  int Run(std::vector<const char*> args) { return Run(args, source); }
  int Run(std::vector<const char*> args, PluginSource& from) {
    args.insert(args.begin(), "kovra-replay");
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = ReplayMain(static_cast<int>(args.size()), args.data(), from, out, err);
    out_ = Slurp(out);
    err_ = Slurp(err);
    return status;
  }

  static std::string Slurp(std::FILE* f) {
    std::string text;
    std::rewind(f);
    for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
    std::fclose(f);
    return text;
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
  EXPECT_EQ(err_, "kovra-replay: log.adi: record 2: field CALL runs past the end of the file "
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
  EXPECT_NE(out_.find("\"Output\" box: File not produced: " + tooLong + ".cbr\nCabrillo log: " +
                       tooLong + ".cbr, not written: no such file\n"),
            std::string::npos) << out_;
  EXPECT_EQ(out_.find(", written"), std::string::npos);

  ASSERT_EQ(Run({"--call", "R3A:B", "log.adi"}, linked), 0);
  EXPECT_NE(err_.find("kovra-replay: the contestant's callsign \"R3A:B\" holds a character no "
                      "Windows file name may hold"),
            std::string::npos) << err_;
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
