#include "checker/results_table.h"

#include <gtest/gtest.h>

namespace kovra::check {
namespace {

TEST(ResultsCsv, HighestCheckedScoreFirstFormulasAsTextQuotedWhereNeeded) {
  ResultRow honest{"UA3ABC", "SINGLE-OP", "a.cbr", 57, 55, 61, 1, 2, 1, 2, 1, -0.3};
  ResultRow hostile{"=HYPERLINK(\"x\")", "+1,2", "b.cbr", std::nullopt, 60, 60, 0, 0, 0, 0, 0,
                    std::nullopt};
  ResultRow quiet{" @SUM(A1)", "-cmd", "c.cbr", 3, 3, 3, 0, 0, 0, 0, 0, 5.0};
  EXPECT_EQ(ResultsCsv({honest, hostile, quiet}),
            "callsign,category,claimed_score,checked_score,qsos,repeats,not_in_log,busted_calls,"
            "exchange_errors,unique_calls,clock_offset_minutes,file\r\n"
            "\"'=HYPERLINK(\"\"x\"\")\",\"'+1,2\",,60,60,0,0,0,0,0,,b.cbr\r\n"
            "UA3ABC,SINGLE-OP,57,55,61,1,2,1,2,1,-0.3,a.cbr\r\n"
            "' @SUM(A1),'-cmd,3,3,3,0,0,0,0,0,5.0,c.cbr\r\n");
}

}  // namespace
}  // namespace kovra::check
