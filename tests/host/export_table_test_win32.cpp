// The DLL as the loader and Windows see it: the export names the host resolves,
// the DLLs it pulls in beside the host, and the version it states.
#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "kovra_version.h"
#include "tests/host/plugin_host_win32.h"

namespace kovra::host {
namespace {

using ExportTable = PluginHost;
using VersionResource = PluginHost;

template <class T>
const T* At(HMODULE module, DWORD rva) {
  return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module) + rva);
}

const IMAGE_DATA_DIRECTORY& Directory(HMODULE module, int which) {
  const auto* dos = At<IMAGE_DOS_HEADER>(module, 0);
  return At<IMAGE_NT_HEADERS>(module, dos->e_lfanew)->OptionalHeader.DataDirectory[which];
}

TEST_F(ExportTable, TwentyNamesWithOrdinalsOneToTwenty) {
  const HMODULE module = GetModuleHandleA((dir() + "KOVRA.dll").c_str());
  ASSERT_NE(module, nullptr);
  const auto* exports = At<IMAGE_EXPORT_DIRECTORY>(
      module, Directory(module, IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress);
  ASSERT_EQ(exports->NumberOfNames, 20u);
  ASSERT_EQ(exports->NumberOfFunctions, 20u);
  // Decorated names take ordinals 1 to 10, the plain ones 11 to 20, each set by name.
#define KOVRA_NAME_PAIR(name, Fn, decorated, ...) {decorated, #name},
  const std::pair<std::string, std::string> pairs[] = {KOVRA_EXPORT_LIST(KOVRA_NAME_PAIR)};
#undef KOVRA_NAME_PAIR
  std::vector<std::string> decorated, plain;
  for (const auto& pair : pairs) {
    decorated.push_back(pair.first);
    plain.push_back(pair.second);
  }
  std::sort(decorated.begin(), decorated.end());
  std::sort(plain.begin(), plain.end());
  std::map<std::string, DWORD> expected;
  for (std::size_t k = 0; k < 10; ++k) {
    expected[decorated[k]] = DWORD(k + 1);
    expected[plain[k]] = DWORD(k + 11);
  }

  const auto* names = At<DWORD>(module, exports->AddressOfNames);
  const auto* ordinals = At<WORD>(module, exports->AddressOfNameOrdinals);
  std::map<std::string, DWORD> actual;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    actual[At<char>(module, names[i])] = exports->Base + ordinals[i];
  }
  EXPECT_EQ(actual, expected);
  for (const auto& [decoratedName, plainName] : pairs) {
    EXPECT_EQ(GetProcAddress(module, decoratedName.c_str()),
              GetProcAddress(module, plainName.c_str()))
        << plainName;
  }
}

TEST_F(ExportTable, ImportsOnlyWindowsSystemDlls) {
  const HMODULE module = GetModuleHandleA((dir() + "KOVRA.dll").c_str());
  const auto* import = At<IMAGE_IMPORT_DESCRIPTOR>(
      module, Directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
  const std::set<std::string> system = {"kernel32.dll", "user32.dll", "ole32.dll",
                                        "oleaut32.dll", "msvcrt.dll", "advapi32.dll"};
  int count = 0;
  for (; import->Name != 0; ++import, ++count) {
    std::string name = At<char>(module, import->Name);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_TRUE(system.count(name)) << name;
  }
  EXPECT_GT(count, 0);
}

// The numbers and the texts of the version resource, as a file's properties show them.
TEST_F(VersionResource, StatesTheProjectVersion) {
  const std::string path = dir() + "KOVRA.dll";
  std::string info(GetFileVersionInfoSizeA(path.c_str(), nullptr), '\0');
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, DWORD(info.size()), info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
  const DWORD high = MAKELONG(KOVRA_VERSION_MINOR, KOVRA_VERSION_MAJOR);
  const DWORD low = MAKELONG(0, KOVRA_VERSION_PATCH);
  EXPECT_EQ(fixed->dwFileVersionMS, high);
  EXPECT_EQ(fixed->dwFileVersionLS, low);
  EXPECT_EQ(fixed->dwProductVersionMS, high);
  EXPECT_EQ(fixed->dwProductVersionLS, low);
  for (const char* name : {"FileVersion", "ProductVersion"}) {
    char* text = nullptr;
    const std::string key = std::string("\\StringFileInfo\\041904E3\\") + name;
    ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&text), &size))
        << name;
    EXPECT_STREQ(text, KOVRA_VERSION) << name;
  }
}

}  // namespace
}  // namespace kovra::host
