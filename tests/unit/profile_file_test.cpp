#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <string>

namespace kovra {
namespace {

TEST(ProfileFileTest, ReadsLikeGetPrivateProfileString) {
  struct Case {
    const char* file;
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"", "Settings", "Name", "<fallback>"},
      {"[Other]\r\nName=x\r\n", "Settings", "Name", "<fallback>"},
      {"[Settings]\r\nClub=x\r\n", "Settings", "Name", "<fallback>"},
      {"Name=global\r\n[Settings]\r\n", "Settings", "Name", "<fallback>"},
      {"[Settings]\r\n[Other]\r\nName=x\r\n", "Settings", "Name", "<fallback>"},
      {"[sETTINGS]\r\nnAME=Ivan\r\n", "Settings", "Name", "Ivan"},
      {"[Settings]\r\nName=\r\n", "Settings", "Name", ""},
      {"[Settings]\r\nName=a=b\r\n", "Settings", "Name", "a=b"},
      {"[Settings]\r\n  Name \t=  Ivan Petrov \r\n", "Settings", "Name", "Ivan Petrov"},
      {"[Settings]\r\nName=\"  quoted \"\r\n", "Settings", "Name", "  quoted "},
      {"[Settings]\nClub=x\nName=\xC8\xE2\xE0\xED", "Settings", "Name", "\xC8\xE2\xE0\xED"},
      {"[Other]\r\nName=x\r\n[Settings]\r\nName=y\r\n", "SETTINGS", "NAME", "y"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadProfileValue(c.file, c.section, c.key, "<fallback>"), c.expected) << c.file;
  }
  EXPECT_EQ(ReadProfileValue("", "Settings", "Operators", " RK3A  "), " RK3A");
  EXPECT_EQ(ReadProfileValue("", "Settings", "Operators", "   "), "");
}

TEST(ProfileFileTest, LongValuesAreCutTo9999Bytes) {
  const std::string value(10005, 'x');
  const std::string read =
      ReadProfileValue("[Settings]\r\nName=" + value + "\r\n", "Settings", "Name", "");
  EXPECT_EQ(read, value.substr(0, 9999));
}

TEST(ProfileFileTest, WritesWithCrLfLines) {
  struct Case {
    const char* before;
    const char* key;
    const char* value;
    const char* after;
  };
  const Case cases[] = {
      {"", "Claimed", "12", "[Settings]\r\nClaimed=12\r\n"},
      // Updated in place: comments, other sections and other keys stay.
      {"; kept\r\n[Other]\r\nName=o\r\n[Settings]\r\nName=old\r\nClub=c\r\n", "Name", "new",
       "; kept\r\n[Other]\r\nName=o\r\n[Settings]\r\nName=new\r\nClub=c\r\n"},
      // A new key goes behind the section's last line, before blank lines.
      {"[Settings]\r\nName=n\r\n\r\n[Other]\r\nA=1\r\n", "Club", "c",
       "[Settings]\r\nName=n\r\nClub=c\r\n\r\n[Other]\r\nA=1\r\n"},
      {"[Other]\nA=1", "Name", "\xC8\xE2\xE0\xED",
       "[Other]\r\nA=1\r\n[Settings]\r\nName=\xC8\xE2\xE0\xED\r\n"},
      {"[Settings]\r\nName=n\r\n", "Name", "", "[Settings]\r\nName=\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithProfileValue(c.before, "Settings", c.key, c.value), c.after) << c.before;
  }
}

TEST(ProfileFileTest, WritingMatchesNamesWithoutCase) {
  const std::string after =
      WithProfileValue("[SETTINGS]\r\nnAME=old\r\nClub=c\r\n", "Settings", "Name", "new");
  EXPECT_EQ(after.find("old"), std::string::npos) << after;
  EXPECT_EQ(after.find("[Settings]"), std::string::npos) << after;
  EXPECT_EQ(ReadProfileValue(after, "Settings", "Name", ""), "new");
  EXPECT_EQ(ReadProfileValue(after, "Settings", "Club", ""), "c");
}

}  // namespace
}  // namespace kovra
