#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "plugin_calls/plugin_loader_win32.h"

namespace kovra::host {

// What the host's machine looks like to the plug-in: a fresh current directory
// with a Plugins folder and its own copy of KOVRA.dll, loaded anew for each test,
// so every test starts from the state a load creates.
class PluginHost : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const PluginCalls& dll() const { return plugin_.calls; }
  void Reload();

  // The scratch directory (the host's current directory), with a trailing backslash.
  const std::string& dir() const { return dir_; }
  static std::string Slurp(const std::string& path);
  static void Spill(const std::string& path, const std::string& bytes);
  static bool Exists(const std::string& path);

 private:
  std::string dir_;
  std::string previousDir_;
  LoadedPlugin plugin_;
};

// The directory of the test program, with a trailing backslash.
std::string ProgramDir();

// A valid date-time of the host's kind for the current UTC clock, minus `minutesAgo`.
OleDate UtcNowMinus(int minutesAgo);

}  // namespace kovra::host
