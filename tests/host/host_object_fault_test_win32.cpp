// The host link failing under a report: the log and the result go on, and the
// mode is tried again at the next result.
#include "tests/host/fake_host_object_win32.h"
#include "tests/host/reporting_host_win32.h"

namespace kovra::host {
namespace {

class HostObjectFaults : public ReportingHost {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ReportingHost::SetUp();
  }
  void TearDown() override {
    ReportingHost::TearDown();
    UnregisterHostProgId();
    CoUninitialize();
  }

  // Two reports of one contact: both logs written, both texts alike.
  void ExpectTwoWholeReports() {
    ResetForReport();
    dll().AddData(SampleContact("DL1ABC"));
    const Report first = ResultWithReport();
    EXPECT_EQ(first.message, "File produced: UA3ABC.cbr");
    EXPECT_EQ(first.score, -1);
    EXPECT_TRUE(Contains(first.text, "\r\nScore: 1\r\n"));
    const Report second = ResultWithReport();
    EXPECT_EQ(second.message, first.message);
    EXPECT_EQ(second.text, first.text);
    EXPECT_EQ(Slurp(kOwnLog),
              DefaultHeader(1) + SampleQsoLine("DL1ABC", "001 MA") + "END-OF-LOG:\r\n");
  }
};

TEST_F(HostObjectFaults, NoHostObject) {
  UnregisterHostProgId();
  ExpectTwoWholeReports();
}

TEST_F(HostObjectFaults, FailingSecondCommandIsSentAgainFromTheFirst) {
  FakeHostObject host;
  host.failCall = 1;
  const ULONG before = host.references();
  ExpectTwoWholeReports();
  std::vector<std::string> texts;
  for (const auto& call : host.calls) texts.push_back(call.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"<MODE:BPSK31>", "<BAUDRATE:63>", "<MODE:BPSK31>",
                                             "<BAUDRATE:63>"}));
  EXPECT_EQ(host.references(), before);
}

}  // namespace
}  // namespace kovra::host
