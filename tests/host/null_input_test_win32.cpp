// Null pointers in every position the host may leave null: used texts read as
// empty, a null date as a null date, null outputs not written.
#include <cstring>

#include "output/settings_form_boxes.h"
#include "plugin_calls/window_driver_win32.h"
#include "tests/host/reporting_host_win32.h"

namespace kovra::host {
namespace {

using NullInput = ReportingHost;

constexpr Text ContactArgs::*kContactTexts[] = {
    &ContactArgs::call,    &ContactArgs::mode,      &ContactArgs::rstSent,
    &ContactArgs::rstRcvd, &ContactArgs::exchgSent, &ContactArgs::exchgRcvd,
    &ContactArgs::prefix,  &ContactArgs::extra,     &ContactArgs::band};

std::string Total(const PluginCalls& dll) {
  const std::string text = dll.GetResult0(nullptr);
  const std::size_t at = text.find("Total\t");
  return at == std::string::npos ? text : text.substr(at, text.find("\r\n", at) - at);
}

// AddData0 with nothing at all: every pointer null, zeros elsewhere.
int AddNothing(const PluginCalls& dll) {
  return dll.AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                     nullptr, nullptr, nullptr, nullptr);
}

// A null text and an empty one make the same contact: the second report of
// each pair is dropped as identical.
TEST_F(NullInput, AddDataReadsEachNullTextAsEmpty) {
  ContactArgs full = SampleContact("DL1ABC", "20", "001 MA");
  full.extra = "X";
  EXPECT_EQ(dll().AddData(full), 1);
  for (auto text : kContactTexts) {
    ContactArgs withNull = full, withEmpty = full;
    withNull.*text = nullptr;
    withEmpty.*text = "";
    EXPECT_EQ(dll().AddData(withNull), 1);
    EXPECT_EQ(dll().AddData(withEmpty), 1);
  }
  EXPECT_EQ(Total(dll()), "Total\t 10\t 9");  // the null call scores nothing
}

TEST_F(NullInput, AddDataReadsANullDateAsANullDate) {
  EXPECT_EQ(AddNothing(dll()), 1);
  ContactArgs empty{"", {0.0, OleDate::Null}, 0, "", "", "", "", "", "", "", ""};
  EXPECT_EQ(dll().AddData(empty), 1);  // identical: dropped
  empty.time.value = 1.0;
  EXPECT_EQ(dll().AddData(empty), 1);  // another day count: stored
  EXPECT_EQ(Total(dll()), "Total\t 2\t 0");
}

TEST_F(NullInput, NothingButNullsMakesAnEmptyQsoLineAndKovraLog) {
  ModalOperator form("Velmora", [](HWND f) {
    EXPECT_EQ(ItemText(f, IDC_CALLSIGN), "");
    PressButton(f, IDOK);
  });
  EXPECT_EQ(dll().ResetStats0(nullptr, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0,
                             0.0, 0.0, nullptr, nullptr, nullptr),
            1);
  ASSERT_TRUE(form.Operated());
  AddNothing(dll());
  const Report report = ResultWithReport(nullptr);
  EXPECT_EQ(report.message, "File produced: KOVRA.cbr");
  EXPECT_EQ(report.text,
            "VELMORA  \r\n     Contestant: \r\nBand\tQSOs\tPoints\r\n\t 0\t 0\r\n"
            "Total\t 1\t 0\r\n\r\nScore: 0\r\n");
  // Frequency 0, mode code PM, no date; own call, RSTs, exchanges and call
  // empty but blank-filled (13+1, 3+1, 6+1, 13+1, 3+1); the received exchange " ".
  const std::string blanks(14 + 4 + 7 + 14 + 4, ' ');
  EXPECT_TRUE(
      Contains(Slurp("KOVRA.cbr"), "\r\nQSO:     0 PM  " + blanks + " \r\nEND-OF-LOG:\r\n"));
}

TEST_F(NullInput, RemoveDataMatchesNullsAsEmptyAndRefusesNullExchanges) {
  ContactArgs blank = SampleContact("", "");
  blank.mode = "";
  dll().AddData(blank);
  dll().AddData(blank);
  ContactArgs remove = blank;
  remove.exchgSent = nullptr;
  EXPECT_EQ(dll().RemoveData(remove), 0);
  remove = blank;
  remove.exchgRcvd = nullptr;
  EXPECT_EQ(dll().RemoveData(remove), 0);
  EXPECT_EQ(Total(dll()), "Total\t 1\t 0");  // the second report was identical

  remove = blank;
  remove.call = remove.mode = remove.band = nullptr;
  EXPECT_EQ(dll().RemoveData(remove), 1);
  EXPECT_EQ(Total(dll()), "Total\t 0\t 0");
}

TEST_F(NullInput, CheckCallReadsNullTextsAsEmptyAndWritesNoNullBuffer) {
  ContactArgs blank = SampleContact("", "");
  blank.mode = "";
  blank.time = UtcNowMinus(0);
  dll().AddData(blank);
  EXPECT_EQ(dll().CheckCall(nullptr, nullptr, "DL", nullptr, nullptr, nullptr), 0);
  char message[64] = "untouched";
  EXPECT_EQ(dll().CheckCall(nullptr, nullptr, "DL", nullptr, nullptr, message), 0);
  EXPECT_EQ(std::string(message, 7), "QSO c  ");
  EXPECT_EQ(std::string(message).size(), 49u);

  strcpy(message, "untouched");
  EXPECT_EQ(dll().CheckCall("DL2ABC", "BPSK63", nullptr, nullptr, "20", message), 0);
  EXPECT_STREQ(message, "untouched");
  // A foreign contact has no region: a null region is known, so no new region.
  EXPECT_EQ(dll().CheckCall("UA9SIB", "BPSK63", "UA9", nullptr, "20", nullptr), 1);
  Reload();
  EXPECT_EQ(dll().CheckCall("UA9SIB", "BPSK63", "UA9", nullptr, "20", nullptr), 2);
}

TEST_F(NullInput, ResultWithReportAndNullScoreStillWritesTheLog) {
  ResetForReport();
  dll().AddData(SampleContact("DL1ABC"));
  const Report report = ResultWithReport(nullptr);
  EXPECT_EQ(report.message, "File produced: UA3ABC.cbr");
  EXPECT_TRUE(Contains(report.text, "\r\nScore: 1\r\n"));
  EXPECT_TRUE(Contains(Slurp(kOwnLog), SampleQsoLine("DL1ABC", "001 MA")));
}

}  // namespace
}  // namespace kovra::host
