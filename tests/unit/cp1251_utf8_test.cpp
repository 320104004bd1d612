#include "platform/cp1251_utf8.h"

#include <gtest/gtest.h>

namespace kovra {
namespace {

TEST(Cp1251Utf8, AsciiNulCyrillicSignsAndTheUnassignedByte) {
  EXPECT_EQ(Cp1251ToUtf8(std::string_view("Band\t\r\n\0", 8)), std::string("Band\t\r\n\0", 8));
  EXPECT_EQ(Cp1251ToUtf8("\xC2 \xCE\xC4\xCD\xCE\xCC \xE8 \xC0\xFF\xE0\xDF"), "В ОДНОМ и АяаЯ");
  EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8\x80\x88\xB9\xA0"), "ЁёЂ€№\u00A0");
  EXPECT_EQ(Cp1251ToUtf8("a\x98z"), "a\uFFFDz");
}

TEST(Cp1251Utf8, BackFromUtf8WithQuestionMarksForWhatCannotBeHeld) {
  EXPECT_EQ(Utf8ToCp1251("Band В ОДНОМ АяаЯ ЁёЂ€№"),
            "Band \xC2 \xCE\xC4\xCD\xCE\xCC \xC0\xFF\xE0\xDF \xA8\xB8\x80\x88\xB9");
  EXPECT_EQ(Utf8ToCp1251("\u4E2D\U0001F600\uFFFD"), "???");
  EXPECT_EQ(Utf8ToCp1251("a\x80"
                         "b\xE2\x82"),
            "a?b??");  // a stray and a cut sequence
}

}  // namespace
}  // namespace kovra
