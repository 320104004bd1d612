#include "tools/adif_reader.h"

#include <gtest/gtest.h>

namespace kovra::replay {
namespace {

AdifLog Parse(std::string_view text) {
  AdifLog log;
  AdifError error;
  EXPECT_TRUE(ParseAdif(text, log, error)) << error.message;
  return log;
}

AdifError ParseError(std::string_view text) {
  AdifLog log;
  AdifError error;
  EXPECT_FALSE(ParseAdif(text, log, error)) << text;
  return error;
}

std::string Value(const AdifLog& log, std::size_t record, std::string_view name) {
  if (record >= log.records.size()) return "(no record)";
  const std::string* value = log.records[record].Find(name);
  return value ? *value : "(none)";
}

TEST(AdifReader, HeaderTextAndFieldsThenRecordsWithTextBetweenFields) {
  const AdifLog log = Parse(
      "Log <ADIF_VER:5>3.1.4 <PROGRAMID:11>a<EOH>b<EOR text\r\n<EOH>\r\n"
      "<CALL:6>UA3ABC comment <APP_X> <BAND:0> <EOR>\r\n<CALL:6>DL1ABC<CALL:3>R3B<EOR>\r\n");
  ASSERT_EQ(log.header.size(), 2u);
  EXPECT_EQ(log.header[0].name + "=" + log.header[0].value, "ADIF_VER=3.1.4");
  EXPECT_EQ(log.header[1].value, "a<EOH>b<EOR");
  ASSERT_EQ(log.records.size(), 2u);
  EXPECT_EQ(log.records[0].fields.size(), 2u);
  EXPECT_EQ(Value(log, 0, "BAND"), "");
  EXPECT_EQ(log.records[1].number, 2);
  EXPECT_EQ(Value(log, 1, "CALL"), "DL1ABC");  // the first of repeated fields
  EXPECT_EQ(Value(log, 1, "BAND"), "(none)");
}

TEST(AdifReader, FirstByteAfterAByteOrderMarkLessThanMeansNoHeaderSoEohIsJustData) {
  const AdifLog log =
      Parse("\xEF\xBB\xBF<CALL:3>R3A<COMMENT:5><EOH><NOTES:6><EOR>x<EOR><CALL:4>R3AA<eor>");
  EXPECT_TRUE(log.header.empty());
  ASSERT_EQ(log.records.size(), 2u);
  EXPECT_EQ(Value(log, 0, "COMMENT"), "<EOH>");
  EXPECT_EQ(Value(log, 0, "NOTES"), "<EOR>x");
  EXPECT_EQ(Value(log, 1, "CALL"), "R3AA");
}

TEST(AdifReader, AnyLetterCaseTypeLettersAndLengthsInBytesOfCp1251) {
  // "Иван <И>" in code page 1251: one byte a letter.
  const AdifLog log = Parse(
      "h<eOh><call:6>UA3ABC<Qso_Date:8:D>20261205<FREQ:6:n>3.5805"
      "<NAME:8>\xC8\xE2\xE0\xED <\xC8><EoR>");
  EXPECT_EQ(Value(log, 0, "CALL"), "UA3ABC");
  EXPECT_EQ(Value(log, 0, "QSO_DATE"), "20261205");
  EXPECT_EQ(Value(log, 0, "FREQ"), "3.5805");
  EXPECT_EQ(Value(log, 0, "NAME"), "\xC8\xE2\xE0\xED <\xC8>");
  EXPECT_EQ(Parse("\xEF\xBB\xBFh<EOH><CALL:3>R3A<EOR>").records.size(), 1u);
}

TEST(AdifReader, EmptyRecordsAreLeftOutAndACutLastRecordIsKeptMarked) {
  const AdifLog log = Parse("<EOR><CALL:3>R3A<EOR> <EOR><CALL:3>R3B\r\n");
  ASSERT_EQ(log.records.size(), 2u);
  EXPECT_TRUE(log.records[0].ended);
  EXPECT_EQ(log.records[1].number, 2);
  EXPECT_FALSE(log.records[1].ended);
  EXPECT_TRUE(Parse("").records.empty());
  EXPECT_TRUE(Parse("text only<EOH>\r\n").records.empty());
}

TEST(AdifReader, TruncatedFieldIsAnErrorNamingItsRecord) {
  const AdifError error = ParseError("<CALL:3>R3A<EOR>\r\n<CALL:3>R3B<EOR><CALL:10>UA3");
  EXPECT_EQ(error.record, 3);
  EXPECT_EQ(error.message, "field CALL runs past the end of the file (10 bytes announced, 3 left)");
  EXPECT_EQ(ParseError("<CALL:99999999999999999999999999>R3A").record, 1);
  EXPECT_EQ(ParseError("h <PROGRAMID:9>abc").record, 0);  // 0: the header
}

TEST(AdifReader, MalformedTagsAndAMissingEohAreErrors) {
  for (const char* text :
       {"<CALL:3>R3A<EOR><CALL:x>abc", "<CALL:3>R3A<EOR><CALL:3:DX>abc", "<CALL:3>R3A<EOR><:3>abc",
        "<CALL:3>R3A<EOR><CALL:>", "<CALL:3>R3A<EOR><CALL:3"}) {
    EXPECT_EQ(ParseError(text).record, 2) << text;
  }
  const AdifError error = ParseError("Log\r\n<CALL:3>R3A<EOR>");
  EXPECT_EQ(error.record, 0);
  EXPECT_NE(error.message.find("<EOH>"), std::string::npos);
}

}  // namespace
}  // namespace kovra::replay
