#include <windows.h>

#include <cstring>
#include <string>

#include "output/settings_dialog.h"

namespace kovra {
namespace {

// The add-string message to a combo box as the list resource stores it: its 16-bit number.
constexpr WORD kStoredComboAddString = 0x0403;

// Box id, message, text length; the text follows unpadded, so fields are copied out.
constexpr size_t kRecordHeader = sizeof(WORD) + sizeof(WORD) + sizeof(DWORD);

// The resources must come from this DLL, not from the host's executable.
HMODULE ThisModule() {
  HMODULE module = nullptr;
  const DWORD flags =
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
  if (!GetModuleHandleExA(flags, reinterpret_cast<LPCSTR>(&ThisModule), &module)) return nullptr;
  return module;
}

// Records end at a zero id; a record that does not fit in the resource ends them too.
void AddListItems(HWND dialog, const unsigned char* data, size_t size) {
  size_t at = 0;
  while (size - at >= kRecordHeader) {
    WORD id, message;
    DWORD length;
    std::memcpy(&id, data + at, sizeof id);
    if (id == 0) return;
    std::memcpy(&message, data + at + 2, sizeof message);
    std::memcpy(&length, data + at + 4, sizeof length);
    at += kRecordHeader;
    if (length > size - at) return;
    // Copied so that a text stored without its terminating zero still gets one.
    const std::string text(reinterpret_cast<const char*>(data + at), length);
    if (message == kStoredComboAddString) {
      SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    at += length;
  }
}

void AddListItems(HWND dialog, HMODULE module) {
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(IDD_STATION_SETTINGS),
                             MAKEINTRESOURCEA(RT_DIALOG_INIT));
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return;
  AddListItems(dialog, static_cast<const unsigned char*>(data), SizeofResource(module, info));
}

// A combo box selects the first item its text begins with, else shows the text as typed.
void ShowText(HWND dialog, const SettingsBox& b, const std::string& text) {
  HWND box = GetDlgItem(dialog, b.id);
  const auto item = reinterpret_cast<LPARAM>(text.c_str());
  if (b.kind == BoxKind::kCombo && SendMessageA(box, CB_SELECTSTRING, WPARAM(-1), item) != CB_ERR) {
    return;
  }
  SetWindowTextA(box, text.c_str());
}

std::string BoxText(HWND dialog, int id) {
  HWND box = GetDlgItem(dialog, id);
  std::string text(size_t(GetWindowTextLengthA(box)) + 1, '\0');
  text.resize(size_t(GetWindowTextA(box, &text[0], int(text.size()))));
  return text;
}

// Our own stand-in for the framework's dialog class: a modal run of template
// 101 and the exchange of the box texts with the form.
class ModalDialog {
 public:
  explicit ModalDialog(SettingsForm& form) : form_(form) {}

  int DoModal() {
    module_ = ThisModule();
    if (!module_) return -1;
    // The host's top-level window, so that all of it is disabled while the form is open.
    HWND owner = GetActiveWindow();
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    return int(DialogBoxParamA(module_, MAKEINTRESOURCEA(IDD_STATION_SETTINGS), owner, &Proc,
                               reinterpret_cast<LPARAM>(this)));
  }

 private:
  // Runs inside user32's dispatch: an exception must end here, as Cancel would.
  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
      return Handle(dialog, message, wParam, lParam);
    } catch (...) {
      EndDialog(dialog, kFormCancel);
      return TRUE;
    }
  }

  static INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      reinterpret_cast<ModalDialog*>(lParam)->OnInitDialog(dialog);
      return TRUE;
    }
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message != WM_COMMAND || !self) return FALSE;
    switch (LOWORD(wParam)) {
      case IDOK:
        self->ReadBack(dialog);
        EndDialog(dialog, kFormOk);
        return TRUE;
      case IDCANCEL:  // also Escape and the close box
        EndDialog(dialog, kFormCancel);
        return TRUE;
    }
    return FALSE;
  }

  void OnInitDialog(HWND dialog) {
    AddListItems(dialog, module_);
    for (const SettingsBox& b : kSettingsBoxes) ShowText(dialog, b, form_.*b.text);
  }

  void ReadBack(HWND dialog) {
    for (const SettingsBox& b : kSettingsBoxes) form_.*b.text = BoxText(dialog, b.id);
  }

  SettingsForm& form_;
  HMODULE module_ = nullptr;
};

}  // namespace

int StationSettingsDialog::Run(SettingsForm& form) {
  ModalDialog dialog(form);
  return dialog.DoModal();
}

}  // namespace kovra
