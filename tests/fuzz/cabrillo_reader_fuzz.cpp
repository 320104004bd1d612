// The Cabrillo reader and the whole log check behind it on arbitrary bytes: it
// answers without reading past the text, every QSO line gets one status, every
// finding stands at a line of the file, and both reports can be written.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "checker/json_report.h"
#include "checker/people_report.h"

namespace kovra::fuzz {
namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "log check: %s\n", what);
  std::abort();
}

std::size_t Lines(std::string_view bytes) {
  std::size_t n = 1;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool crlf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    n += (bytes[i] == '\n' || bytes[i] == '\r') && !crlf;
  }
  return n;
}

void CheckFigures(const check::LogCheck& log, std::string_view bytes) {
  const std::size_t counted =
      static_cast<std::size_t>(log.unreadable + log.noCall + log.repeats + log.checkedScore);
  if (counted != log.qsos.size()) Fail("the statuses do not add up to the QSO lines");
  const std::size_t lines = Lines(bytes);
  for (const check::Finding& f : log.findings) {
    if (f.line < 1 || static_cast<std::size_t>(f.line) > lines) Fail("a finding off the file");
  }
  for (const check::CheckedQso& q : log.qsos) {
    if (q.status == check::QsoStatus::Repeat && (q.repeatOf < 1 || q.repeatOf >= q.line)) {
      Fail("a repeat of no earlier line");
    }
  }
}

}  // namespace
}  // namespace kovra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kovra;
  // The fuzzer's buffer is exactly the input's size, so a read past its end is caught.
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const check::LogCheck log = check::CheckLog(bytes);
  fuzz::CheckFigures(log, bytes);
  for (const check::Language language : {check::Language::English, check::Language::Russian}) {
    check::PeopleReport("log.cbr", log, language);
    check::JsonDocument({check::LogJson("log.cbr", log, language)});
  }
  return 0;
}
