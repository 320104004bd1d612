#pragma once
#include <gtest/gtest.h>

#include <string>

#include "engine/plugin.h"
#include "tests/support/fake_platform.h"

namespace kovra::test {

// A fresh plug-in over a fake platform, with a shorthand for the host's reports.
class PluginTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  FakeForm form;
  FakeHost host;
  Plugin plugin{platform, form, host};

  static OleDate At(int hour, int minute, double second = 0, int day = 8) {
    return MakeOleDate(2026, 12, day, hour, minute, second);
  }

  HostContact Report(std::string_view call, std::string_view band = "20",
                     std::string_view exchgRcvd = "001 MA", std::string_view prefix = "UA",
                     OleDate time = At(14, 5)) {
    HostContact r;
    r.call = call;
    r.time = time;
    r.freqHz = 14070500;
    r.mode = "BPSK63";
    r.rstSent = "599";
    r.rstRcvd = "599";
    r.exchgSent = "002 MA";
    r.exchgRcvd = exchgRcvd;
    r.prefix = prefix;
    r.band = band;
    return r;
  }

  void Add(std::string_view call, std::string_view band = "20",
           std::string_view exchgRcvd = "001 MA", std::string_view prefix = "UA",
           OleDate time = At(14, 5)) {
    plugin.AddData(Report(call, band, exchgRcvd, prefix, time));
  }
};

}  // namespace kovra::test
