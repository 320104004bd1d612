#include "tools/tour_repeats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovra::replay {
namespace {

QsoContact At(std::string call, int hour, int minute, double second = 0, int day = 5,
              std::string band = "80", std::string mode = "BPSK63") {
  QsoContact c;
  c.call = std::move(call);
  c.band = std::move(band);
  c.mode = std::move(mode);
  c.time = MakeOleDate(2026, 12, day, hour, minute, second);
  return c;
}

std::vector<TourRepeat> Repeats(const std::vector<QsoContact>& contacts) {
  return FindTourRepeats(contacts, FindIdenticalRecords(contacts));
}

std::size_t Count(const std::vector<QsoContact>& contacts) { return Repeats(contacts).size(); }

TEST(TourRepeats, EveryLaterContactInATourPairsWithTheFirst) {
  const auto repeats =
      Repeats({At("R3AA", 12, 31), At("R3AA", 12, 59, 59), At("R3AA", 12, 29), At("R3AA", 12, 45)});
  ASSERT_EQ(repeats.size(), 2u);
  EXPECT_EQ(repeats[0].first, 0u);
  EXPECT_EQ(repeats[0].repeat, 1u);
  EXPECT_EQ(repeats[1].repeat, 3u);
  EXPECT_EQ(repeats[1].tour.day, 5);
  EXPECT_EQ(repeats[1].tour.hour, 12);
  EXPECT_EQ(repeats[1].tour.minute, 30);
}

TEST(TourRepeats, HalfHoursOfOneDayRoundedToTheSecond) {
  EXPECT_EQ(Count({At("R3AA", 14, 29), At("R3AA", 14, 31)}), 0u);
  EXPECT_EQ(Count({At("R3AA", 13, 59), At("R3AA", 14, 0)}), 0u);
  EXPECT_EQ(Count({At("R3AA", 14, 29, 59.6), At("R3AA", 14, 45)}), 1u);
  EXPECT_EQ(Count({At("R3AA", 14, 29, 59.4), At("R3AA", 14, 45)}), 0u);
  EXPECT_EQ(Count({At("R3AA", 14, 10, 0, 5), At("R3AA", 14, 20, 0, 6)}), 0u);
}

TEST(TourRepeats, AnotherBandModeOrCallOrNoCallOrTimeIsNoRepeat) {
  QsoContact untimed = At("R3AA", 12, 5);
  untimed.time = {0.0, OleDate::Invalid};
  EXPECT_EQ(
      Count({At("R3AA", 12, 1), At("R3AA", 12, 2, 0, 5, "40"), At("R3AA", 12, 3, 0, 5, "80", "CW"),
             At("r3aa", 12, 4), untimed, untimed, At("", 12, 6), At("", 12, 7)}),
      0u);
}

// Identical as the plug-in stores it: a frequency within the same kHz is the same.
TEST(TourRepeats, AnIdenticalRecordIsListedAsSuchAndRepeatsNothing) {
  QsoContact a = At("R3AA", 12, 1), same = a, otherKHz = a;
  a.freqHz = 3580100;
  same.freqHz = 3580900;
  otherKHz.freqHz = 3581000;
  const std::vector<QsoContact> contacts = {a, At("R3AB", 12, 2), same, otherKHz, same};
  const auto identical = FindIdenticalRecords(contacts);
  ASSERT_EQ(identical.size(), 2u);
  EXPECT_EQ(identical[0].first, 0u);
  EXPECT_EQ(identical[0].again, 2u);
  EXPECT_EQ(identical[1].again, 4u);
  const auto repeats = FindTourRepeats(contacts, identical);
  ASSERT_EQ(repeats.size(), 1u);
  EXPECT_EQ(repeats[0].repeat, 3u);
}

}  // namespace
}  // namespace kovra::replay
