#include "tests/host/plugin_host_win32.h"

#include <fstream>
#include <sstream>

namespace kovra::host {
namespace {

void RemoveTree(const std::string& dir) {
  WIN32_FIND_DATAA entry;
  const HANDLE find = FindFirstFileA((dir + "*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = dir + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + "\\");
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(dir.c_str());
}

// Tests store contacts of "now" and check them a moment later: begin at least a
// minute before the half hour ends, so that both fall into one tour.
void AwayFromTourEdge() {
  for (int i = 0; i < 700; ++i) {  // 70 seconds at most
    SYSTEMTIME now;
    GetSystemTime(&now);
    if (now.wMinute % 30 < 29) return;
    Sleep(100);
  }
}

std::string TestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return std::string(info->test_suite_name()) + "." + info->name();
}

// The DLL under test: the one built beside this program, or the one that
// KOVRA_DLL names (a released copy, say).
std::string DllUnderTest() {
  char path[MAX_PATH];
  const DWORD n = GetEnvironmentVariableA("KOVRA_DLL", path, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(path, n) : ProgramDir() + "KOVRA.dll";
}

}  // namespace

std::string ProgramDir() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  return dir.substr(0, dir.find_last_of("\\/") + 1);
}

OleDate UtcNowMinus(int minutesAgo) {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return MakeOleDate(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                     now.wSecond - 60.0 * minutesAgo);
}

void PluginHost::SetUp() {
  AwayFromTourEdge();
  char previous[MAX_PATH];
  previousDir_.assign(previous, GetCurrentDirectoryA(MAX_PATH, previous));
  CreateDirectoryA((ProgramDir() + "scratch").c_str(), nullptr);
  dir_ = ProgramDir() + "scratch\\" + TestName() + "\\";
  RemoveTree(dir_);
  ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr)) << dir_;
  ASSERT_TRUE(CreateDirectoryA((dir_ + "Plugins").c_str(), nullptr));
  ASSERT_TRUE(CopyFileA(DllUnderTest().c_str(), (dir_ + "KOVRA.dll").c_str(), FALSE))
      << DllUnderTest();
  ASSERT_TRUE(SetCurrentDirectoryA(dir_.c_str()));
  std::string error;
  ASSERT_TRUE(LoadPlugin(dir_ + "KOVRA.dll", plugin_, error)) << error;
}

void PluginHost::TearDown() {
  UnloadPlugin(plugin_);
  SetCurrentDirectoryA(previousDir_.c_str());
}

void PluginHost::Reload() {
  UnloadPlugin(plugin_);
  std::string error;
  ASSERT_TRUE(LoadPlugin(dir_ + "KOVRA.dll", plugin_, error)) << error;
}

std::string PluginHost::Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void PluginHost::Spill(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

bool PluginHost::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace kovra::host
