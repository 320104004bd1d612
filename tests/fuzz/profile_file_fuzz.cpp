// The settings-file reader and writer of native builds, on arbitrary file bytes:
// no read past the text, values cut to 9999 bytes, a value written is read back,
// and writing one key leaves every other key as it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/profile_file.h"
#include "tests/fuzz/byte_reader.h"

namespace kovra::fuzz {
namespace {

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Texts that the file format can hold as a name or a value and give back unchanged:
// one line, no blank at either end; a name has no "=", "[" or "]".
bool Storable(const std::string& text, bool name) {
  if (text.find_first_of(name ? "\r\n=[]" : "\r\n") != std::string::npos) return false;
  if (!text.empty() &&
      (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' || text.back() == '\t')) {
    return false;
  }
  const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
                      text.back() == text.front();
  return name ? !text.empty() : !quoted && text.size() <= 9999;
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
  if (!Storable(section, true) || !Storable(key, true) || !Storable(value, false)) return 0;
  if (WithProfileValue(written, section, key, value) != written)
    Fail("a second write changed it", file);
  if (ReadProfileValue(written, section, key, "(none)") != value) Fail("value not read back", file);
  const bool sameKey = SameName(section, otherSection) && SameName(key, otherKey);
  if (!sameKey && ReadProfileValue(written, otherSection, otherKey, "(none)") != before) {
    Fail("writing one key changed another", file);
  }
  return 0;
}
