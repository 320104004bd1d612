#include "tools/terminal_settings_form.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <string>

namespace kovra::replay {
namespace {

// The form run on the slave side of a pseudo-terminal, given `typed` in advance.
class TerminalFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(openpty(&master_, &slave_, nullptr, nullptr, nullptr), 0);
    in_ = fdopen(slave_, "r");
    out_ = std::tmpfile();
  }
  void TearDown() override {
    std::fclose(in_);
    std::fclose(out_);
    close(master_);
  }

  int Run(const std::string& typed, std::FILE* in = nullptr) {
    EXPECT_EQ(write(master_, typed.data(), typed.size()), ssize_t(typed.size()));
    return TerminalSettingsForm(in ? in : in_, out_, out_).Run(form);
  }

  std::string Shown() {
    std::string text(std::size_t(std::ftell(out_)), '\0');
    std::rewind(out_);
    text.resize(std::fread(&text[0], 1, text.size(), out_));
    return text;
  }

  SettingsForm form;
  int master_ = -1, slave_ = -1;
  std::FILE* in_ = nullptr;
  std::FILE* out_ = nullptr;
};

// Boxes in the form's order: CONTEST CALLSIGN CLAIMED CATEGORY-OPERATOR -BAND -POWER
// -OVERLAY LOCATION NAME ADDRESS OPERATORS CLUB SOAPBOX E-MAIL, then OK or CANCEL.
TEST_F(TerminalFormTest, EnterKeepsDashEmptiesCombosShowTheirItemAndOkTakesAll) {
  form.callsign = "UA3ABC";
  form.name = "Ivan";
  form.categoryBand = "16";
  form.categoryOverlay = "so1";
  form.soapbox = "a\r\nb";
  EXPECT_EQ(Run("\nR3A/P\n\n\n\n\n\n\n-\n\xD0\x98\xD0\xB2\n\n\n\n\n\n\n"), 1);
  EXPECT_EQ(form.callsign, "R3A/P");
  EXPECT_EQ(form.name, "");
  EXPECT_EQ(form.address, "\xC8\xE2");  // typed in UTF-8, kept in code page 1251
  EXPECT_EQ(form.categoryBand + "|" + form.categoryOverlay + "|" + form.soapbox,
            "160|SO160|a\r\nb");
  EXPECT_NE(Shown().find("SOAPBOX [a | b] (lines up to an empty one): "), std::string::npos);
}

TEST_F(TerminalFormTest, CancelOrTheEndOfInputLeavesTheFormAsItWas) {
  form.name = "Ivan";
  EXPECT_EQ(Run(std::string(8, '\n') + "Petr\n" + std::string(5, '\n') + "cancel\n"), 2);
  EXPECT_EQ(form.name, "Ivan");
  EXPECT_EQ(Run("\n\n999\n\x04"), 2);  // Ctrl-D: the end of input
  EXPECT_EQ(form.claimed, "");
}

TEST_F(TerminalFormTest, WithoutATerminalItIsCancelledAndSaysSo) {
  std::FILE* file = std::tmpfile();
  EXPECT_EQ(Run("", file), 2);
  std::fclose(file);
  EXPECT_NE(Shown().find("no terminal to ask on: the settings form is cancelled"),
            std::string::npos);
}

}  // namespace
}  // namespace kovra::replay
