#pragma once
#include <cstdio>
#include <string>

#include "output/settings_form.h"

namespace kovra::replay {

// The station settings form where there are no windows: asks on a terminal for
// each box in turn, top to bottom as the Windows form shows them, with its
// current value; Enter keeps it. Texts are UTF-8 on the terminal, code page
// 1251 in the form.
class TerminalSettingsForm final : public SettingsFormRunner {
 public:
  // Answers come from `in`, questions go to `out`, and why a form was
  // cancelled without asking goes to `err`.
  TerminalSettingsForm(std::FILE* in, std::FILE* out, std::FILE* err)
      : in_(in), out_(out), err_(err) {}

  // The form's end code. Not on a terminal, or when the answers end early, Cancel.
  int Run(SettingsForm& form) override;

 private:
  bool ReadLine(std::string& line);
  bool AskLine(const char* label, std::string& value);
  bool AskLines(const char* label, std::string& value);
  bool AskOk(bool& ok);

  std::FILE* in_;
  std::FILE* out_;
  std::FILE* err_;
};

}  // namespace kovra::replay
