// Texts a host should never send but might: 64 KiB in every text position,
// every byte value, received exchanges of any short length.
#include <vector>

#include "output/settings_form_boxes.h"
#include "plugin_calls/window_driver_win32.h"
#include "tests/host/reporting_host_win32.h"

namespace kovra::host {
namespace {

using HostileText = ReportingHost;

constexpr std::size_t kLong = 64 * 1024;

std::string Long(char fill) { return std::string(kLong, fill); }

std::string EveryByte() {
  std::string bytes;
  for (int b = 1; b <= 255; ++b) bytes += char(b);
  return bytes;
}

// The refusal message for `call`, read through a buffer just big enough for it;
// the bytes behind that room must stay untouched.
std::string Refusal(const PluginCalls& dll, const std::string& call, const std::string& mode,
                    const std::string& band) {
  std::vector<char> buffer(50 + call.size() + 16, '#');
  EXPECT_EQ(dll.CheckCall(call.c_str(), mode.c_str(), "DL", "", band.c_str(), buffer.data()), 0);
  EXPECT_EQ(std::string(buffer.end() - 16, buffer.end()), std::string(16, '#'));
  return std::string(buffer.data());
}

// The refusal text that follows the call, as written for an ordinary call.
std::string RefusalTail(const PluginCalls& dll) {
  ContactArgs c = SampleContact("DL1ABC");
  c.time = UtcNowMinus(0);
  dll.AddData(c);
  return Refusal(dll, "DL1ABC", "BPSK63", "20").substr(std::string("QSO c DL1ABC").size());
}

TEST_F(HostileText, SixtyFourKibInEveryContactTextReachesResultAndLogWhole) {
  ResetForReport();
  const std::string call = Long('C'), mode = Long('M'), rstSent = Long('S'), rstRcvd = Long('R'),
                    exchgSent = Long('E'), exchgRcvd = Long('X'), prefix = Long('P'),
                    extra = Long('Y'), band = Long('B');
  ContactArgs c = SampleContact(call.c_str(), band.c_str(), exchgRcvd.c_str());
  c.mode = mode.c_str();
  c.rstSent = rstSent.c_str();
  c.rstRcvd = rstRcvd.c_str();
  c.exchgSent = exchgSent.c_str();
  c.prefix = prefix.c_str();
  c.extra = extra.c_str();
  EXPECT_EQ(dll().AddData(c), 1);

  const Report report = ResultWithReport();
  EXPECT_EQ(report.message, "File produced: UA3ABC.cbr");
  EXPECT_TRUE(Contains(report.text, "Points\r\n" + band + "\t 1\t 1\r\nTotal\t 1\t 1\r\n"));
  EXPECT_TRUE(Contains(Slurp(kOwnLog), "\r\nQSO: 14070 PM 2026-12-08 1345 UA3ABC        " +
                                           rstSent + " " + exchgSent + " " + call + " " + rstRcvd +
                                           " XXX XX\r\n"
                                           "END-OF-LOG:\r\n"));
  EXPECT_TRUE(Leftovers().empty());

  c.exchgRcvd = c.exchgSent = "1";
  EXPECT_EQ(dll().RemoveData(c), 1);
  EXPECT_TRUE(Contains(ResultWithReport().text, "\r\nTotal\t 0\t 0\r\n"));
}

TEST_F(HostileText, SixtyFourKibCallsignIsKeptWholeButNamesNoFile) {
  const std::string callsign = Long('U');
  // OPERATORS gets the callsign as the profile's default, which Wine drops
  // from 32767 characters on: the platform's business, not checked here.
  ResetForReport(callsign.c_str(), [](HWND form) {
    EXPECT_EQ(ItemText(form, IDC_CALLSIGN).size(), kLong);
    PressButton(form, IDOK);
  });
  dll().AddData(SampleContact("DL1ABC"));

  const Report report = ResultWithReport();
  // The box itself cannot hold it all: Wine's message box cuts an ANSI text
  // of 32768 characters or more (modulo 32768).
  EXPECT_EQ(report.message.substr(0, 19), "File not produced: ");
  EXPECT_TRUE(Contains(report.text, "     Contestant: " + callsign + "\r\nBand"));
  EXPECT_EQ(report.score, -1);
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(HostileText, SixtyFourKibInCheckCallGivesTheWholeRefusal) {
  const std::string tail = RefusalTail(dll());
  const std::string call = Long('C'), mode = Long('M'), band = Long('B');
  ContactArgs c = SampleContact(call.c_str(), band.c_str());
  c.mode = mode.c_str();
  c.time = UtcNowMinus(0);
  dll().AddData(c);

  EXPECT_TRUE(Refusal(dll(), call, mode, band) == "QSO c " + call + tail);

  EXPECT_EQ(dll().CheckCall("DL2ABC", "BPSK63", Long('P').c_str(), "", "20", nullptr), 1);
  EXPECT_EQ(dll().CheckCall("UA9SIB", "BPSK63", "UA9", Long('R').c_str(), "20", nullptr), 2);
  EXPECT_EQ(dll().IsValidExchg0(Long('1').c_str(), nullptr, nullptr, nullptr, 0, 0, 0), 0);
}

TEST_F(HostileText, EveryByteValuePassesThroughUnchanged) {
  ResetForReport();
  const std::string all = EveryByte();
  ContactArgs c = SampleContact(all.c_str(), all.c_str(), all.c_str());
  c.exchgSent = all.c_str();
  dll().AddData(c);
  // Each byte once in a kept place of a received exchange: 3, a separator, 2.
  std::vector<std::string> calls, exchanges;
  for (std::size_t k = 0; k < 51; ++k) {
    calls.push_back("B" + std::to_string(k));
    exchanges.push_back(all.substr(5 * k, 3) + "-" + all.substr(5 * k + 3, 2));
    dll().AddData(SampleContact(calls[k].c_str(), "20", exchanges[k].c_str()));
  }

  const Report report = ResultWithReport();
  EXPECT_TRUE(Contains(report.text, "\r\n" + all + "\t 1\t 1\r\n"));
  const std::string log = Slurp(kOwnLog);
  EXPECT_TRUE(Contains(log, "\r\nQSO: 14070 PM 2026-12-08 1345 UA3ABC        599 " + all + " " +
                                all + " 599 \x01\x02\x03 \x05\x06\r\n"));
  for (std::size_t k = 0; k < 51; ++k) {
    const std::string kept = exchanges[k].substr(0, 3) + " " + exchanges[k].substr(4);
    EXPECT_TRUE(Contains(log, SampleQsoLine(calls[k], kept))) << k;
  }

  const std::string tail = RefusalTail(dll());
  c.time = UtcNowMinus(0);
  dll().AddData(c);
  EXPECT_EQ(Refusal(dll(), all, "BPSK63", all), "QSO c " + all + tail);
}

}  // namespace
}  // namespace kovra::host
