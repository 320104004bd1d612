#pragma once
#include <functional>
#include <map>
#include <set>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/profile_file.h"

namespace kovra::test {

class FakeHost : public HostConnection {
 public:
  bool running = true;
  int failOnCommand = -1;  // index of the command that fails, counted over the whole test
  std::vector<std::string> received;
  int opens = 0, closes = 0, attempts = 0;

  bool Open() override {
    ++attempts;
    if (!running) return false;
    ++opens;
    return true;
  }
  bool SendCommand(const std::string& text) override {
    if (commandsSeen_++ == failOnCommand) return false;
    received.push_back(text);
    return true;
  }
  void Close() override { ++closes; }

 private:
  int commandsSeen_ = 0;
};

// A settable clock, files and profile in memory, a scripted form and a recording
// message box: everything a test wants to see or steer.
class FakePlatform : public Platform {
 public:
  UtcTime now{14, 10};
  std::map<std::string, std::string> files;
  std::set<std::string> unwritable;
  std::vector<MessageBoxRequest> messages;
  std::vector<std::string> started;
  std::vector<int> showModes;  // one per start, beside `started`
  std::function<int(SettingsForm&)> form = [](SettingsForm&) { return 2; };
  std::vector<SettingsForm> formsShown;
  FakeHost host;

  UtcTime UtcNow() override { return now; }
  std::string DateText(const OleDate& date) override {
    return LocaleDateText(date);
  }
  void StartProgram(const std::string& commandLine, int showMode) override {
    started.push_back(commandLine);
    showModes.push_back(showMode);
  }
  void ShowMessage(const MessageBoxRequest& request) override { messages.push_back(request); }
  std::string ReadProfileString(const std::string& section, const std::string& key,
                                const std::string& fallback, const std::string& file) override {
    const auto it = files.find(file);
    return ReadProfileValue(it == files.end() ? "" : it->second, section, key, fallback);
  }
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) override {
    return ReplaceFile(file, WithProfileValue(files[file], section, key, value));
  }
  int RunSettingsForm(SettingsForm& f) override {
    formsShown.push_back(f);
    return form(f);
  }
  std::optional<std::string> ReadFile(const std::string& name) override {
    const auto it = files.find(name);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  bool ReplaceFile(const std::string& name, const std::string& bytes) override {
    if (unwritable.count(name)) return false;
    files[name] = bytes;
    return true;
  }
  HostConnection& Host() override { return host; }
};

}  // namespace kovra::test
