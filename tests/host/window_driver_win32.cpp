#include "tests/host/window_driver_win32.h"

#include <vector>

namespace kovra::host {
namespace {

struct Search {
  const char* caption;
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char cls[32] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !IsWindowVisible(window)) return TRUE;
  if (search->caption && WindowText(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

HWND WaitForDialog(DWORD threadId, const char* caption) {
  for (int i = 0; i < 1000; ++i) {  // about 20 seconds
    Search search{caption, nullptr};
    EnumThreadWindows(threadId, Match, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(20);
  }
  return nullptr;
}

}  // namespace

ModalOperator::ModalOperator(const char* caption, std::function<void(HWND)> operate) {
  const DWORD owner = GetCurrentThreadId();
  thread_ = std::thread([this, owner, caption, operate] {
    const HWND window = WaitForDialog(owner, caption);
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

ActiveWindow::ActiveWindow()
    : window_(CreateWindowExA(0, "STATIC", "Zelk", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                              200, nullptr, nullptr, nullptr, nullptr)) {
  SetActiveWindow(window_);
}

ActiveWindow::~ActiveWindow() { DestroyWindow(window_); }

HICON BoxIcon(HWND box) {
  for (HWND item = GetWindow(box, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
    char cls[16] = {};
    GetClassNameA(item, cls, sizeof cls);
    const LONG style = GetWindowLongA(item, GWL_STYLE);
    if (lstrcmpiA(cls, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(item)) {
      DWORD_PTR icon = 0;
      SendMessageTimeoutA(item, STM_GETICON, 0, 0, SMTO_NORMAL, 5000, &icon);
      return reinterpret_cast<HICON>(icon);
    }
  }
  return nullptr;
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
