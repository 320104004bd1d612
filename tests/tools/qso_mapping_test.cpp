#include "tools/qso_mapping.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kovra::replay {
namespace {

QsoContact Map(std::vector<std::pair<std::string, std::string>> fields, bool ended = true) {
  AdifRecord record;
  record.number = 7;
  record.ended = ended;
  for (auto& [name, value] : fields) record.fields.push_back({name, value});
  return MapRecord(record);
}

std::string Notes(const QsoContact& c) {
  std::string all;
  for (const Note& note : c.notes) all += Say(note, Language::English) + "|";
  return all;
}

TEST(QsoMapping, RecordAsTheHostReportsIt) {
  const QsoContact c = Map({{"CALL", "UA3ABC"},
                            {"QSO_DATE", "20261205"},
                            {"TIME_ON", "122130"},
                            {"BAND", "80m"},
                            {"FREQ", "3.5805"},
                            {"MODE", "PSK"},
                            {"SUBMODE", "BPSK63"},
                            {"RST_SENT", "599"},
                            {"RST_RCVD", "589"},
                            {"STX_STRING", "012 MO"},
                            {"SRX_STRING", "005MA"},
                            {"DXCC", "126"}});
  const host::ContactArgs a = c.Args();
  EXPECT_EQ(a.call, c.call.c_str());
  EXPECT_STREQ(a.call, "UA3ABC");
  EXPECT_EQ(a.time.value, MakeOleDate(2026, 12, 5, 12, 21, 30).value);
  EXPECT_EQ(a.time.status, OleDate::Valid);
  EXPECT_EQ(a.freqHz, 3580500u);
  EXPECT_EQ(std::string(a.band) + a.mode + a.rstSent + a.rstRcvd, "80BPSK63599589");
  EXPECT_EQ(std::string(a.exchgSent) + "|" + a.exchgRcvd + "|" + a.prefix + "|" + a.extra,
            "012 MO|005MA|UA2|");
  EXPECT_EQ(c.record, 7);
  EXPECT_EQ(Notes(c), "");
}

TEST(QsoMapping, MissingOrMalformedTimeIsSentAsInvalidWithANote) {
  EXPECT_EQ(Map({{"QSO_DATE", "20280229"}, {"TIME_ON", "0000"}}).time.status, OleDate::Valid);
  for (const char* date :
       {"2026125", "202612051", "20261305", "20261200", "20270229", "00991231", "2026-12-", ""}) {
    EXPECT_EQ(Map({{"QSO_DATE", date}, {"TIME_ON", "1358"}}).time.status, OleDate::Invalid) << date;
  }
  for (const char* time : {"2400", "1260", "123060", "135", "13580", "1358590", "13:5"}) {
    EXPECT_EQ(Map({{"QSO_DATE", "20261205"}, {"TIME_ON", time}}).time.status, OleDate::Invalid)
        << time;
  }
  const QsoContact noTime =
      Map({{"CALL", "R3AA"}, {"QSO_DATE", "20261205"}, {"BAND", "40m"}, {"FREQ", "7.1"}});
  EXPECT_EQ(noTime.time.status, OleDate::Invalid);
  EXPECT_EQ(Notes(noTime), "no valid QSO_DATE and TIME_ON; the time is sent as invalid|");
}

TEST(QsoMapping, BandFromBandElseFrequencyAndNoUsableFrequencyIsTheBandsLowerEdge) {
  EXPECT_EQ(Map({{"BAND", "40M"}, {"FREQ", "14.07"}}).band, "40");
  EXPECT_EQ(Map({{"BAND", ""}, {"FREQ", "7.0402"}}).band, "40");
  struct Case {
    std::vector<std::pair<std::string, std::string>> fields;
    unsigned hz;
    const char* note;
  };
  const Case cases[] = {
      {{{"BAND", "2m"}}, 144000000, "no FREQ; sent as 144000 kHz, the lower edge of band 2|"},
      {{{"FREQ", "14,0705"}, {"BAND", "20m"}},
       14000000,
       "FREQ \"14,0705\" is not a frequency in MHz; sent as 14000 kHz, the lower edge of "
       "band 20|"},
      {{{"FREQ", "10489.899880"}, {"BAND", "3cm"}},
       0,
       "FREQ \"10489.899880\" is above 4294.967295 MHz, the most the host's 32-bit Hz field "
       "holds; sent as 0 Hz|"},
      {{{"FREQ", "5.0"}}, 5000000, "no BAND and no FREQ in a band; band left empty|"},
      {{}, 0, "no FREQ; sent as 0 Hz|no BAND and no FREQ in a band; band left empty|"},
  };
  for (auto c : cases) {
    c.fields.insert(c.fields.end(),
                    {{"CALL", "R3A"}, {"QSO_DATE", "20261205"}, {"TIME_ON", "1200"}});
    const QsoContact q = Map(c.fields);
    EXPECT_EQ(q.freqHz, c.hz) << c.note;
    EXPECT_EQ(Notes(q), c.note);
  }
}

TEST(QsoMapping, SidebandIsNoModeAndBlanksAroundTheCallAreNoPartOfIt) {
  const struct {
    const char *mode, *submode, *sent;
  } modes[] = {{"SSB", "USB", "SSB"},     {"ssb", "LSB", "SSB"}, {"MFSK", "JS8", "JS8"},
               {"PSK", "psk63", "PSK63"}, {"CW", "", "CW"},      {"", "", ""}};
  for (const auto& m : modes) {
    EXPECT_EQ(Map({{"MODE", m.mode}, {"SUBMODE", m.submode}}).mode, m.sent);
  }
  EXPECT_EQ(Map({{"CALL", " UA3ABC\t"}}).call, "UA3ABC");
}

TEST(QsoMapping, ModeAndExchangesFromTheirFirstNonEmptyField) {
  EXPECT_EQ(Map({{"MODE", "CW"}, {"SUBMODE", ""}}).mode, "CW");
  const struct {
    std::vector<std::pair<std::string, std::string>> fields;
    const char *sent, *rcvd;
  } cases[] = {
      {{{"STX_STRING", "001MO"}, {"STX", "9"}, {"SRX_STRING", "005 MA"}, {"SRX", "9"}},
       "001MO",
       "005 MA"},
      {{{"STX", "5"}, {"SRX", "7"}, {"STATE", "MA"}}, "005", "007 MA"},
      {{{"STX_STRING", ""}, {"STX", "42"}, {"SRX", "12"}}, "042", "012"},
      {{{"STX", "1234"}, {"SRX", "123"}, {"STATE", "SP"}}, "1234", "123 SP"},
      {{{"STX", "A1"}, {"STATE", "MA"}}, "A1", ""},
  };
  for (const auto& c : cases) {
    const QsoContact q = Map(c.fields);
    EXPECT_EQ(q.exchgSent + "|" + q.exchgRcvd, std::string(c.sent) + "|" + c.rcvd);
  }
}

TEST(QsoMapping, RecordWithoutCallOrCutOffIsKeptWithNotes) {
  const QsoContact c =
      Map({{"FREQ", "7.04"}, {"QSO_DATE", "20261205"}, {"TIME_ON", "1246"}}, false);
  EXPECT_EQ(c.call + c.prefix, "");
  EXPECT_EQ(Notes(c),
            "no CALL; replayed with an empty call|the file ends before this record's <EOR>|");
}

}  // namespace
}  // namespace kovra::replay
