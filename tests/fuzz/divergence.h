#pragma once
// Compares the engine with the reference model and stops the run, with a report of
// the calls made so far, at the first difference.
#include <string>
#include <string_view>
#include <vector>

#include "engine/plugin.h"
#include "tests/model/reference_model.h"
#include "tests/support/fake_platform.h"

namespace kovra::fuzz {

// Thrown at a difference while not tracing: the run is then repeated with tracing.
struct Diverged {};

class Comparer {
 public:
  explicit Comparer(bool tracing) : tracing_(tracing) {}

  // Notes the next host call; its description is built only when tracing.
  template <typename Describe>
  void Call(Describe describe) {
    if (tracing_) trace_.push_back(describe());
    At("");
  }

  // Names the record that the next comparisons look at: "contact", 3 gives "contact[3]".
  void At(const char* record, std::size_t index = kNoIndex) {
    record_ = record;
    index_ = index;
  }

  void Text(const char* what, std::string_view engine, std::string_view model);
  void Number(const char* what, long long engine, long long model);
  // Throws Diverged when not tracing; else reports the calls and the difference, and aborts.
  [[noreturn]] void Fail(const char* what, const std::string& engine,
                         const std::string& model) const;

 private:
  static constexpr std::size_t kNoIndex = ~std::size_t{0};
  bool tracing_;
  std::vector<std::string> trace_;
  const char* record_ = "";
  std::size_t index_ = kNoIndex;
};

// Printable form of arbitrary bytes.
std::string Escaped(std::string_view bytes);
// "46364.5/0": the day count in full and the status.
std::string Described(const OleDate& date);

// The contact log and the band list.
void CompareLog(Comparer& c, const Plugin& engine, const model::ReferenceModel& model);

// The contact log, band list, station settings and claimed score.
void CompareState(Comparer& c, const Plugin& engine, const model::ReferenceModel& model);

// Files, message boxes, forms shown, programs started and host commands.
void ComparePorts(Comparer& c, const test::FakePorts& engine, const test::FakePorts& model);

}  // namespace kovra::fuzz
