#include "platform/platform_win32.h"

#include <windows.h>
#include <oleauto.h>

#include <vector>

// <windows.h> would rename these members to their ANSI functions' names.
#undef WriteProfileString
#undef ReplaceFile

#include "platform/file_io.h"

namespace kovra {
namespace {

constexpr DWORD kProfileBuffer = 10000;

// Windows never replaces a read-only file, whoever asks; Wine run as root
// does, so the operator's protection is kept here explicitly.
bool MoveOver(const char* from, const char* to) {
  const DWORD target = GetFileAttributesA(to);
  if (target != INVALID_FILE_ATTRIBUTES && (target & FILE_ATTRIBUTE_READONLY)) return false;
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::string Narrow(const wchar_t* text, int length) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size_t(size) : 0, '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, text, length, &out[0], size, nullptr, nullptr);
  return out;
}

class Win32Platform final : public Platform {
 public:
  UtcTime UtcNow() override {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return {now.wHour, now.wMinute};
  }

  std::string DateText(const OleDate& date) override {
    BSTR text = nullptr;
    if (date.status != OleDate::Valid ||
        FAILED(VarBstrFromDate(date.value, LANG_USER_DEFAULT, 0, &text)) || !text) {
      return std::string();
    }
    std::string narrow = Narrow(text, int(SysStringLen(text)));
    SysFreeString(text);
    return narrow;
  }

  void StartProgram(const std::string& commandLine, int showMode) override {
    WinExec(commandLine.c_str(), UINT(showMode));
  }

  void ShowMessage(const MessageBoxRequest& r) override {
    const HWND owner = r.ownedByActiveWindow ? GetActiveWindow() : nullptr;
    MessageBoxA(owner, r.text.c_str(), r.caption,
                MB_OK | (r.informationIcon ? MB_ICONINFORMATION : 0));
  }

  std::string ReadProfileString(const std::string& section, const std::string& key,
                                const std::string& fallback, const std::string& file) override {
    std::vector<char> buffer(kProfileBuffer);
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                             buffer.data(), kProfileBuffer, file.c_str());
    return std::string(buffer.data(), n);
  }

  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) override {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           0;
  }

  std::optional<std::string> ReadFile(const std::string& name) override {
    return ReadWholeFile(name);
  }

  bool ReplaceFile(const std::string& name, const std::string& bytes) override {
    return ReplaceWholeFile(name, bytes, MoveOver);
  }
};

}  // namespace

std::unique_ptr<Platform> NewWin32Platform() { return std::make_unique<Win32Platform>(); }

}  // namespace kovra
