#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace kovra::host {

// Plays the operator for a modal window that a call on this thread will open:
// a second thread waits for the window to show, then hands it to `operate`,
// which reads and sets its controls and closes it. Joined on destruction.
class ModalOperator {
 public:
  // `caption` null: the first dialog-class window the calling thread shows.
  ModalOperator(const char* caption, std::function<void(HWND)> operate);
  ~ModalOperator();
  ModalOperator(const ModalOperator&) = delete;
  ModalOperator& operator=(const ModalOperator&) = delete;

  // True once a window was found and operated; call after the modal call returned.
  bool Operated();

 private:
  std::thread thread_;
  bool operated_ = false;
};

// A visible top-level window of the calling thread, active as the host's main
// window is while the operator works in it.
class ActiveWindow {
 public:
  ActiveWindow();
  ~ActiveWindow();
  ActiveWindow(const ActiveWindow&) = delete;
  ActiveWindow& operator=(const ActiveWindow&) = delete;
  HWND handle() const { return window_; }

 private:
  HWND window_;
};

// The icon a message box shows, or null.
HICON BoxIcon(HWND box);

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
void PressButton(HWND dialog, int id);

}  // namespace kovra::host
