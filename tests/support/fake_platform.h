#pragma once
#include <functional>
#include <map>
#include <set>
#include <cstdio>
#include <string>
#include <vector>

#include "hostlink/host_connection.h"
#include "output/settings_form.h"
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

// Records every form it is shown and answers as scripted (Cancel by default).
class FakeForm : public SettingsFormRunner {
 public:
  std::function<int(SettingsForm&)> answer = [](SettingsForm&) { return kFormCancel; };
  std::vector<SettingsForm> shown;

  int Run(SettingsForm& f) override {
    shown.push_back(f);
    return answer(f);
  }
};

// A settable clock, files and profile in memory and a recording message box:
// everything a test wants to see or steer of the operating system.
class FakePlatform : public Platform {
 public:
  UtcTime now{14, 10};
  std::map<std::string, std::string> files;
  std::set<std::string> unwritable;
  std::vector<MessageBoxRequest> messages;
  std::vector<std::string> started;
  std::vector<int> showModes;  // one per start, beside `started`

  UtcTime UtcNow() override { return now; }
  std::string DateText(const OleDate& date) override { return LocaleDateText(date); }
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
};

// The three ports of a plug-in, all fakes.
struct FakePorts {
  FakePlatform platform;
  FakeForm form;
  FakeHost host;
};

}  // namespace kovra::test
