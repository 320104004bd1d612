// No host to switch to BPSK63 under a report: the log and the result go on.
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
    CoUninitialize();
  }
};

// Two reports of one contact: both logs written, both texts alike.
TEST_F(HostObjectFaults, NoHostObject) {
  UnregisterHostProgId();
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

}  // namespace
}  // namespace kovra::host
