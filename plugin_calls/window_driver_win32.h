#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace kovra::host {

// The plug-in's modal windows as an operator meets them: the settings form and
// the message boxes, dialog-class windows of the thread that called the plug-in.

// The visible one of `threadId` captioned `caption` (null: any), or null.
HWND FindModal(DWORD threadId, const char* caption);

// Plays the operator for a modal window that a call on this thread will open:
// a second thread waits for the window to show, then hands it to `operate`,
// which reads and sets its controls and closes it. Joined on destruction.
class ModalOperator {
 public:
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

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
void PressButton(HWND dialog, int id);

}  // namespace kovra::host
