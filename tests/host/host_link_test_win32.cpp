// The plug-in reaching back into a running host to switch it to BPSK63.
#include "tests/host/fake_host_object_win32.h"
#include "tests/host/plugin_host_win32.h"

namespace kovra::host {
namespace {

class HostLink : public PluginHost {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    PluginHost::SetUp();
  }
  void TearDown() override {
    PluginHost::TearDown();
    UnregisterHostProgId();
    CoUninitialize();
  }

  std::string Result() {
    int score = 0;
    return dll().GetResult0(&score);
  }

  static std::vector<std::string> Received(const FakeHostObject& host) {
    std::vector<std::string> texts;
    for (const auto& call : host.calls) texts.push_back(call.text);
    return texts;
  }
};

using Texts = std::vector<std::string>;

TEST_F(HostLink, FirstResultSendsBothModeCommandsOnceAndKeepsNoReference) {
  FakeHostObject host;
  const ULONG before = host.references();
  Result();
  ASSERT_EQ(host.calls.size(), 2u);
  for (const auto& call : host.calls) {
    EXPECT_EQ(call.member, 16);
    EXPECT_EQ(call.flags, DISPATCH_METHOD);
    EXPECT_EQ(call.args, 1u);
    EXPECT_EQ(call.type, VT_BSTR);
  }
  EXPECT_EQ(Received(host), (Texts{"<MODE:BPSK31>", "<BAUDRATE:63>"}));
  EXPECT_EQ(host.references(), before);

  dll().ResetStats(0, "RK3A", UtcNowMinus(0));
  Result();
  EXPECT_EQ(host.calls.size(), 2u);  // never again in this load
  EXPECT_EQ(host.references(), before);
}

TEST_F(HostLink, NoRunningHostLeavesTheResultAlone) {
  UnregisterHostProgId();
  dll().ResetStats(0, "RK3A", UtcNowMinus(0));
  const std::string unregistered = Result();
  EXPECT_NE(unregistered.find("Score: 0\r\n"), std::string::npos);
  {
    FakeHostObject host;
    host.Revoke();  // registered name, nothing running
    EXPECT_EQ(Result(), unregistered);
    EXPECT_TRUE(host.calls.empty());
  }
  FakeHostObject host;  // found at a later result
  EXPECT_EQ(Result(), unregistered);
  EXPECT_EQ(Received(host), (Texts{"<MODE:BPSK31>", "<BAUDRATE:63>"}));
}

}  // namespace
}  // namespace kovra::host
