// The settings-file reader and writer of native builds, on arbitrary file bytes:
// no read past the text, values cut to 9999 bytes, a value written is read back,
// and writing one key leaves every other key as it was.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/profile_file.h"
#include "tests/fuzz/byte_reader.h"

namespace kovra::fuzz {
namespace {

// The profile functions find sections and keys whatever the letter case of the
// name asked for; the names drawn here are ASCII, which the C locale folds.
std::string Folded(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

bool HasBlankAtAnEnd(const std::string& text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  return !text.empty() && (blank(text.front()) || blank(text.back()));
}

// A value read back loses quotes that enclose it.
bool Enclosed(const std::string& text) {
  return text.size() >= 2 && text.front() == text.back() &&
         (text.front() == '"' || text.front() == '\'');
}

// Texts that a "[section]" line or a "key=value" line holds and gives back as
// they are: one line, no blank at an end, a name not empty and free of "=[]",
// a value not quoted and within the 9999 bytes a read returns.
bool StorableName(const std::string& name) {
  return !name.empty() && name.find_first_of("\r\n=[]") == std::string::npos &&
         !HasBlankAtAnEnd(name);
}

bool StorableValue(const std::string& value) {
  return value.find_first_of("\r\n") == std::string::npos && !HasBlankAtAnEnd(value) &&
         !Enclosed(value) && value.size() <= 9999;
}

[[noreturn]] void Fail(const char* what, const std::string& file) {
  std::fprintf(stderr, "profile file: %s; the file's bytes:\n", what);
  for (const char c : file) std::fprintf(stderr, "%02X ", static_cast<unsigned char>(c));
  std::fprintf(stderr, "\n");
  std::abort();
}

// Both names drawn from a few, so they often meet the file's own sections and keys.
std::string DrawName(ByteReader& r) {
  return r.Below(4) ? r.Pick<const char*>({"Settings", "settings", "Name", "Address", "x", "k k"})
                    : r.Compose("Sak =[]\r\n", 6);
}

}  // namespace
}  // namespace kovra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kovra;
  using namespace kovra::fuzz;
  ByteReader r(data, size);
  const std::string section = DrawName(r), key = DrawName(r);
  const std::string otherSection = DrawName(r), otherKey = DrawName(r);
  const std::string value = r.Compose("v= \t\"'[]\r\n\xC0", r.Below(2) ? 12 : 255);
  const std::string file(reinterpret_cast<const char*>(data), size);  // the same bytes again

  const std::string before = ReadProfileValue(file, otherSection, otherKey, "(none)");
  if (before.size() > 9999) Fail("a value longer than 9999 bytes", file);
  const std::string written = WithProfileValue(file, section, key, value);
  if (!StorableName(section) || !StorableName(key) || !StorableValue(value)) return 0;
  if (WithProfileValue(written, section, key, value) != written)
    Fail("a second write changed it", file);
  if (ReadProfileValue(written, section, key, "(none)") != value) Fail("value not read back", file);
  const bool sameKey = Folded(section) == Folded(otherSection) && Folded(key) == Folded(otherKey);
  if (!sameKey && ReadProfileValue(written, otherSection, otherKey, "(none)") != before) {
    Fail("writing one key changed another", file);
  }
  return 0;
}
