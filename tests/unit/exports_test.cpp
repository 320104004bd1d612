// The exports called natively with the host's layouts and a distinct value in
// every position, so that a shifted or swapped position fails without Wine.
#include "dll/exports.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "engine/plugin.h"
#include "engine/tour_check.h"
#include "platform/file_io.h"
#include "platform/platform_posix.h"
#include "tests/support/fake_platform.h"

namespace kovra {

// This test program's composition root for the exports: the native platform's
// real clock and files, a form that is cancelled, a host that takes commands.
Plugin& ProcessPlugin() {
  static PosixPlatform platform;
  static test::FakeForm form;
  static test::FakeHost host;
  static Plugin plugin(platform, form, host);
  return plugin;
}

namespace test {
namespace {

namespace fs = std::filesystem;

// The operators' zone, three hours from UTC: a clock read in local time puts
// the contacts into another tour.
class NativeExports : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* zone = std::getenv("TZ")) zone_ = zone;
    ASSERT_EQ(setenv("TZ", "Europe/Moscow", 1), 0);
    tzset();
    previous_ = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "kovra-exports-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    fs::create_directory(dir_ / "Plugins");
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
    if (zone_) {
      setenv("TZ", zone_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  fs::path previous_, dir_;
  std::optional<std::string> zone_;
};

// The tour check reads the real clock: start at least a minute before the
// half hour ends, so that the contacts and the checks share one tour.
std::tm UtcNowAwayFromTourEdge() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(70);
  std::time_t now = std::time(nullptr);
  while (now % 1800 >= 1740 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    now = std::time(nullptr);
  }
  std::tm utc{};
  gmtime_r(&now, &utc);
  return utc;
}

int Add(const OleDate& time, const OleDate& other, host::Text extra) {
  return AddData0("a1", "UA3ABC", &time, &other, &other, &other, 3500000, 14070500, "CW", "57",
                  "55", "002", "017SP", "a14", "a15", "a16", "a17", "a18", "a19", "a20", "a21",
                  "a22", "UA", 24, 25, 26, 27.0, 28.0, "a29", extra, "a31", "20", "a33");
}

int Remove(host::Text exchgSent) {
  return RemoveData0("d1", "UA3ABC", nullptr, nullptr, nullptr, nullptr, 7, 8, "CW", "d10", "d11",
                     exchgSent, "017SP", "d14", "d15", "d16", "d17", "d18", "d19", "d20", "d21",
                     "d22", "d23", 24, 25, 26, 27.0, 28.0, "d29", "d30", "d31", "20", "d33");
}

int Check(host::Text call, host::Text prefix, host::Text region, char* other, char* message) {
  return CheckCall0(call, 2, 3, "CW", "c5", "c6", "c7", "c8", "c9", "c10", "c11", "c12", "c13",
                    prefix, 15, 16, 17, 18.0, 19.0, "c20", "c21", "c22", "c23", region, "20", "c26",
                    other, message);
}

TEST_F(NativeExports, EveryPositionAsTheHostPassesIt) {
  const std::tm utc = UtcNowAwayFromTourEdge();
  const OleDate now = MakeOleDate(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour,
                                  utc.tm_min, utc.tm_sec);
  const OleDate old = MakeOleDate(2001, 2, 3, 4, 5, 6);
  const OleDate title = MakeOleDate(2026, 12, 8, 13, 45, 0);
  EXPECT_EQ(ResetStats0("r1", 1, "RK3A", &old, &title, "r6", "r7", "r8", "r9", "r10", "r11", "r12",
                        "r13", "r14", "r15", 16, 17, 18, 19.0, 20.0, "r21", "r22", "r23"),
            1);
  EXPECT_EQ(Add(now, old, "e1"), 1);
  EXPECT_EQ(Add(now, old, "e2"), 1);  // differs in the extra text alone

  char other[8] = "other", message[128] = "message";
  EXPECT_EQ(Check("UA3ABC", "DL", "c24", other, message), 0);
  EXPECT_EQ(std::string(message), RefusalMessage("UA3ABC"));
  EXPECT_STREQ(other, "other");
  EXPECT_EQ(Check("UA9SIB", "UA", "SP", other, message), 1);  // the stored home region
  EXPECT_EQ(Check("UA9SIB", "UA", "NS", other, message), 2);
  EXPECT_EQ(IsValidExchg0("0599", "abc", "12", "", 5, 6, 7), 1);
  EXPECT_EQ(IsValidExchg0("abc", "0599", "0599", "0599", 5, 6, 7), 0);

  int score = 0;
  const std::string text = GetResult0(&score);
  EXPECT_EQ(text.substr(0, text.find("Total")),
            "VELMORA 08.12.2026 \r\n     Contestant: RK3A\r\nBand\tQSOs\tPoints\r\n20\t 2\t 2\r\n");
  EXPECT_EQ(score, -1);
  char date[20];
  std::strftime(date, sizeof date, "%Y-%m-%d %H%M", &utc);
  const std::string line = std::string("QSO: 14070 CW ") + date +
                           " RK3A          57  002    UA3ABC        55  017 SP\r\n";
  const std::string log = ReadWholeFile("RK3A.cbr").value_or("");
  EXPECT_NE(log.find("\r\n" + line + line + "END-OF-LOG:\r\n"), std::string::npos) << log;

  EXPECT_EQ(Remove(""), 0);
  EXPECT_EQ(Remove("002"), 1);
  EXPECT_NE(std::string(GetResult0(&score)).find("Total\t 1\t 1\r\n"), std::string::npos);
}

// Null in each position the host may leave null, through the calls the Wine test
// host makes: a used text reads as empty, a null date as a null date, a null
// output is not written.
const host::PluginCalls kDll = LinkedExports();

constexpr host::Text host::ContactArgs::*kContactTexts[] = {
    &host::ContactArgs::call,    &host::ContactArgs::mode,      &host::ContactArgs::rstSent,
    &host::ContactArgs::rstRcvd, &host::ContactArgs::exchgSent, &host::ContactArgs::exchgRcvd,
    &host::ContactArgs::prefix,  &host::ContactArgs::extra,     &host::ContactArgs::band};

host::ContactArgs Contact(host::Text call, const OleDate& time) {
  return {call, time, 14070500, "BPSK63", "599", "599", "001", "001 MA", "DL", "", "20"};
}

int AddNothing() {
  return AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr,
                  nullptr, nullptr);
}

std::string Total() {
  const std::string text = GetResult0(nullptr);
  const std::size_t at = text.find("Total\t");
  return at == std::string::npos ? text : text.substr(at, text.find("\r\n", at) - at);
}

TEST_F(NativeExports, NullTextsAndDatesInContactsReadAsEmptyAndNull) {
  kDll.ResetStats(0, "RK3A", OleDate{});
  host::ContactArgs full = Contact("DL1ABC", MakeOleDate(2026, 12, 8, 13, 45, 0));
  full.extra = "X";
  EXPECT_EQ(kDll.AddData(full), 1);
  for (auto text : kContactTexts) {  // each second report is dropped as identical
    host::ContactArgs withNull = full, withEmpty = full;
    withNull.*text = nullptr;
    withEmpty.*text = "";
    EXPECT_EQ(kDll.AddData(withNull), 1);
    EXPECT_EQ(kDll.AddData(withEmpty), 1);
  }
  EXPECT_EQ(Total(), "Total\t 10\t 9");  // the null call scores nothing

  kDll.ResetStats(0, "RK3A", OleDate{});
  EXPECT_EQ(AddNothing(), 1);
  host::ContactArgs blank{"", {0.0, OleDate::Null}, 0, "", "", "", "", "", "", "", ""};
  EXPECT_EQ(kDll.AddData(blank), 1);  // identical: dropped
  blank.exchgSent = blank.exchgRcvd = "1";
  for (auto exchange : {&host::ContactArgs::exchgSent, &host::ContactArgs::exchgRcvd}) {
    host::ContactArgs remove = blank;
    remove.*exchange = nullptr;
    EXPECT_EQ(kDll.RemoveData(remove), 0);
  }
  EXPECT_EQ(Total(), "Total\t 1\t 0");
  blank.call = blank.mode = blank.band = nullptr;
  EXPECT_EQ(kDll.RemoveData(blank), 1);
  EXPECT_EQ(Total(), "Total\t 0\t 0");
}

TEST_F(NativeExports, CheckCallReadsNullTextsAsEmptyAndWritesNoNullBuffer) {
  const std::tm utc = UtcNowAwayFromTourEdge();
  kDll.ResetStats(0, "RK3A", OleDate{});
  host::ContactArgs blank = Contact(
      "", MakeOleDate(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, 0));
  blank.mode = blank.band = "";
  kDll.AddData(blank);
  EXPECT_EQ(kDll.CheckCall(nullptr, nullptr, "DL", nullptr, nullptr, nullptr), 0);
  char message[64] = "untouched";
  EXPECT_EQ(kDll.CheckCall(nullptr, nullptr, "DL", nullptr, nullptr, message), 0);
  EXPECT_EQ(std::string(message), RefusalMessage(""));
  std::strcpy(message, "untouched");
  EXPECT_EQ(kDll.CheckCall("DL2ABC", "BPSK63", nullptr, nullptr, "20", message), 0);
  EXPECT_STREQ(message, "untouched");
  // A foreign contact has no region: a null region is known, so no new region.
  EXPECT_EQ(kDll.CheckCall("UA9SIB", "BPSK63", "UA9", nullptr, "20", nullptr), 1);
  kDll.ResetStats(0, "RK3A", OleDate{});
  EXPECT_EQ(kDll.CheckCall("UA9SIB", "BPSK63", "UA9", nullptr, "20", nullptr), 2);
}

// Frequency 0, mode code PM, no date; own call, RSTs, exchanges and call empty
// but blank-filled (13+1, 3+1, 6+1, 13+1, 3+1); the received exchange " ".
TEST_F(NativeExports, NothingButNullsMakesAnEmptyQsoLineInKovraCbr) {
  EXPECT_EQ(ResetStats0(nullptr, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
                        nullptr, nullptr, nullptr),
            1);
  AddNothing();
  EXPECT_EQ(std::string(GetResult0(nullptr)),
            "VELMORA  \r\n     Contestant: \r\nBand\tQSOs\tPoints\r\n\t 0\t 0\r\n"
            "Total\t 1\t 0\r\n\r\nScore: 0\r\n");
  const std::string blanks(14 + 4 + 7 + 14 + 4, ' ');
  EXPECT_NE(ReadWholeFile("KOVRA.cbr")
                .value_or("")
                .find("\r\nQSO:     0 PM  " + blanks + " \r\nEND-OF-LOG:\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace test
}  // namespace kovra
