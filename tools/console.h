#pragma once
// Where a program's text for people goes. The texts are UTF-8; each platform
// shows them right on its console, and writes them as UTF-8 where redirected.
#include <memory>
#include <string_view>

namespace kovra {

class Console {
 public:
  virtual ~Console() = default;
  virtual void Out(std::string_view utf8) = 0;
  virtual void Err(std::string_view utf8) = 0;
  // A program that got a console window of its own (a log dropped on it, a
  // double click) shows the prompt and waits for Enter before the window closes.
  virtual void HoldWindow(std::string_view prompt) = 0;
};

std::unique_ptr<Console> OpenConsole();

}  // namespace kovra
