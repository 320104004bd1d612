#include "checker/report_names.h"

#include <gtest/gtest.h>

namespace kovra::check {
namespace {

TEST(ReportFileNames, PlainNamesInsideTheFolderNeverADeviceNorTwiceTheSame) {
  const std::vector<std::string> names =
      ReportFileNames({"UA3ABC/P", "../../x", "C:\\evil", "CON", "com1", "NUL", "", "a:b*c?", "-rf",
                       "UA3ABC_P", "ua3abc_p", std::string(300, 'W'), "R\xD0\x90"});
  const std::vector<std::string> expected{
      "UA3ABC_P.txt", "______x.txt",    "C__evil.txt",    "CON_.txt",
      "com1_.txt",    "NUL_.txt",       "KOVRA.txt",      "a_b_c_.txt",
      "_rf.txt",      "UA3ABC_P-2.txt", "ua3abc_p-3.txt", std::string(64, 'W') + ".txt",
      "R__.txt"};
  EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace kovra::check
