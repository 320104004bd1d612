// The ADIF reader on arbitrary bytes: it answers without reading past the text,
// what it accepts is well formed, and writing that back out and reading it again
// gives the same log.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/adif_reader.h"

namespace kovra::fuzz {
namespace {

using replay::AdifField;
using replay::AdifLog;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "ADIF reader: %s\n", what);
  std::abort();
}

std::string Fields(const std::vector<AdifField>& fields) {
  std::string out;
  for (const AdifField& f : fields) {
    out += "<" + f.name + ":" + std::to_string(f.value.size()) + ">" + f.value + " ";
  }
  return out;
}

// The log in ADIF again; a record the input left open stays open.
std::string Written(const AdifLog& log) {
  std::string out = log.header.empty() ? "" : "header " + Fields(log.header) + "<EOH>\n";
  for (const auto& record : log.records) {
    out += Fields(record.fields) + (record.ended ? "<EOR>\n" : "");
  }
  return out;
}

bool SameFields(const std::vector<AdifField>& a, const std::vector<AdifField>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].value != b[i].value) return false;
  }
  return true;
}

bool Same(const AdifLog& a, const AdifLog& b) {
  if (!SameFields(a.header, b.header) || a.records.size() != b.records.size()) return false;
  for (std::size_t i = 0; i < a.records.size(); ++i) {
    const auto &x = a.records[i], &y = b.records[i];
    if (x.number != y.number || x.ended != y.ended || !SameFields(x.fields, y.fields)) return false;
  }
  return true;
}

void CheckWellFormed(const AdifLog& log, std::size_t inputSize) {
  for (std::size_t i = 0; i < log.records.size(); ++i) {
    const auto& record = log.records[i];
    if (record.number != static_cast<int>(i) + 1) Fail("records not numbered 1, 2, ...");
    if (record.fields.empty()) Fail("a record without fields");
    if (!record.ended && i + 1 != log.records.size()) Fail("an open record before the last");
    for (const AdifField& f : record.fields) {
      if (f.name.empty() ||
          f.name.find_first_of("abcdefghijklmnopqrstuvwxyz<:>") != std::string::npos) {
        Fail("a field name not in upper case or holding a tag character");
      }
      if (f.value.size() > inputSize) Fail("a value longer than the input");
      if (record.Find(f.name) == nullptr) Fail("Find misses a field the record has");
    }
  }
}

}  // namespace
}  // namespace kovra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kovra::fuzz;
  // The fuzzer's buffer is exactly the input's size, so a read past its end is caught.
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  AdifLog log;
  kovra::replay::AdifError error;
  if (!kovra::replay::ParseAdif(text, log, error)) {
    if (error.message.empty() || error.record < 0) Fail("a refusal that does not say where or why");
    return 0;
  }
  CheckWellFormed(log, size);
  AdifLog again;
  if (!kovra::replay::ParseAdif(Written(log), again, error)) Fail("its own output refused");
  if (!Same(log, again)) Fail("its own output read back differently");
  return 0;
}
