#include "plugin_calls/window_driver_win32.h"

#include <vector>

namespace kovra::host {
namespace {

struct Search {
  const char* caption;
  HWND found;
};

// Before it is visible a dialog's lists are not filled yet.
BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char cls[32] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !IsWindowVisible(window)) return TRUE;
  if (search->caption && WindowText(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindModal(DWORD threadId, const char* caption) {
  Search search{caption, nullptr};
  EnumThreadWindows(threadId, Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

ModalOperator::ModalOperator(const char* caption, std::function<void(HWND)> operate) {
  const DWORD owner = GetCurrentThreadId();
  thread_ = std::thread([this, owner, caption, operate] {
    HWND window = nullptr;
    for (int i = 0; i < 1000 && !(window = FindModal(owner, caption)); ++i) Sleep(20);  // 20 s
    if (!window) return;
    operate(window);
    operated_ = true;
  });
}

ModalOperator::~ModalOperator() {
  if (thread_.joinable()) thread_.join();
}

bool ModalOperator::Operated() {
  if (thread_.joinable()) thread_.join();
  return operated_;
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::vector<char> text(length + 1);
  const int n = GetWindowTextA(window, text.data(), length + 1);
  return std::string(text.data(), n > 0 ? n : 0);
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace kovra::host
