#include "tests/unit/plugin_fixture.h"

namespace kovra::test {
namespace {

using HostModeTest = PluginTest;
using Texts = std::vector<std::string>;

TEST_F(HostModeTest, SendsBothCommandsOncePerLoad) {
  plugin.GetResult(nullptr);
  plugin.GetResult(nullptr);
  plugin.ResetStats(0, "RK3A", At(12, 0));
  plugin.GetResult(nullptr);
  EXPECT_EQ(host.received, (Texts{"<MODE:BPSK31>", "<BAUDRATE:63>"}));
  EXPECT_EQ(host.attempts, 1);
  EXPECT_EQ(host.closes, 1);
}

TEST_F(HostModeTest, AbsentHostIsTriedAgainAtTheNextResult) {
  host.running = false;
  int score = 9;
  plugin.GetResult(&score);
  plugin.GetResult(&score);
  EXPECT_EQ(host.attempts, 2);
  EXPECT_EQ(score, 0);
  host.running = true;
  plugin.GetResult(&score);
  EXPECT_EQ(host.received, (Texts{"<MODE:BPSK31>", "<BAUDRATE:63>"}));
  EXPECT_EQ(host.closes, 1);
}

TEST_F(HostModeTest, AFailedFirstCommandIsNotFollowedAndIsSentAgainLater) {
  host.failOnCommand = 0;
  plugin.GetResult(nullptr);
  EXPECT_TRUE(host.received.empty());
  EXPECT_EQ(host.closes, 1);
  plugin.GetResult(nullptr);
  EXPECT_EQ(host.received, (Texts{"<MODE:BPSK31>", "<BAUDRATE:63>"}));
  plugin.GetResult(nullptr);
  EXPECT_EQ(host.attempts, 2);
}

TEST_F(HostModeTest, AFailedSecondCommandIsTriedAgainLater) {
  host.failOnCommand = 1;
  plugin.GetResult(nullptr);
  EXPECT_EQ(host.received, Texts{"<MODE:BPSK31>"});
  plugin.GetResult(nullptr);
  EXPECT_EQ(host.received, (Texts{"<MODE:BPSK31>", "<MODE:BPSK31>", "<BAUDRATE:63>"}));
  plugin.GetResult(nullptr);
  EXPECT_EQ(host.attempts, 2);
}

}  // namespace
}  // namespace kovra::test
