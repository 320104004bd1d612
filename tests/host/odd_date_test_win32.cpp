// The title date of date-times no host should send, as the platform's own date
// text gives it: odd statuses, NaN, infinities, and days at and beyond the ends
// of the years 100 to 9999.
#include "tests/host/plugin_host_win32.h"

#include <oleauto.h>

#include <cfloat>
#include <iterator>
#include <limits>

namespace kovra::host {
namespace {

using OddDates = PluginHost;

struct DateCase {
  const char* name;
  OleDate date;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto kValid = OleDate::Valid;

const DateCase kCases[] = {
    {"null status", {46364.5, OleDate::Null}},
    {"invalid status", {46364.5, OleDate::Invalid}},
    {"unknown status", {46364.5, 7}},
    {"negative status", {46364.5, -1}},
    {"NaN", {kNaN, kValid}},
    {"infinity", {kInf, kValid}},
    {"minus infinity", {-kInf, kValid}},
    {"largest double", {DBL_MAX, kValid}},
    {"lowest double", {-DBL_MAX, kValid}},
    {"year 99", {-657435.0, kValid}},
    {"first day of year 100", {-657434.0, kValid}},
    {"noon of year 100", {-657434.5, kValid}},
    {"last second of 9999", MakeOleDate(9999, 12, 31, 23, 59, 59)},
    {"rounded into 10000", MakeOleDate(9999, 12, 31, 23, 59, 59.6)},
    {"year 10000", {2958466.0, kValid}},
    {"smallest double", {std::numeric_limits<double>::denorm_min(), kValid}},
    {"minus zero", {-0.0, kValid}},
};

// The title date the platform's own conversion gives: its first ten characters.
std::string PlatformTitleDate(const OleDate& date) {
  BSTR text = nullptr;
  if (date.status != OleDate::Valid ||
      FAILED(VarBstrFromDate(date.value, LANG_USER_DEFAULT, 0, &text)) || !text) {
    return std::string();
  }
  char narrow[128] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
  SysFreeString(text);
  return std::string(narrow).substr(0, 10);
}

TEST_F(OddDates, TitleDateIsThePlatformsTextOrEmpty) {
  const std::size_t count = std::size(kCases);
  for (std::size_t i = 0; i < count; ++i) {
    EXPECT_EQ(dll().ResetStats(0, "RK3A", kCases[i].date), 1);
    int score = 7;
    EXPECT_EQ(std::string(dll().GetResult0(&score)),
              "VELMORA " + PlatformTitleDate(kCases[i].date) +
                  " \r\n     Contestant: RK3A\r\nBand\tQSOs\tPoints\r\nTotal\t 0\t 0\r\n\r\n"
                  "Score: 0\r\n")
        << kCases[i].name;
    EXPECT_EQ(score, 0);
  }
}

}  // namespace
}  // namespace kovra::host
