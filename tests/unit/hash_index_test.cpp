#include "engine/hash_index.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace kovra::test {
namespace {

uint32_t FindEntry(const HashIndex& index, uint32_t hash, uint32_t entry) {
  return index.Find(hash, [&](uint32_t e) { return e == entry; });
}

TEST(HashIndex, ErasingFromARunThatWrapsRoundKeepsEveryOtherEntryFindable) {
  HashIndex index;
  // Hashes that all want the table's last slots, so their run wraps to the front.
  const uint32_t hashes[] = {15, 15, 14, 15, 0, 14, 1};
  for (uint32_t e = 0; e < 7; ++e) index.Insert(hashes[e], e);
  for (uint32_t gone : {1u, 2u, 4u}) {
    index.Erase(hashes[gone], gone);
    EXPECT_EQ(FindEntry(index, hashes[gone], gone), HashIndex::kNone);
  }
  for (uint32_t e : {0u, 3u, 5u, 6u}) EXPECT_EQ(FindEntry(index, hashes[e], e), e);
  index.Erase(15, 99);  // not there: nothing changes
  EXPECT_EQ(FindEntry(index, 1, 6), 6u);
}

TEST(HashIndex, MatchesAMultimapThroughGrowthErasureAndClear) {
  HashIndex index;
  std::multimap<uint32_t, uint32_t> model;
  std::mt19937 random(7);
  for (uint32_t entry = 0; entry < 20000; ++entry) {
    const uint32_t hash = random() % 64 * 1021;  // few hashes, many collisions
    index.Insert(hash, entry);
    model.emplace(hash, entry);
    if (random() % 3 == 0) {
      auto victim = std::next(model.begin(), long(random() % model.size()));
      index.Erase(victim->first, victim->second);
      model.erase(victim);
    }
    if (entry == 9000) {
      index.Clear();
      model.clear();
    }
  }
  for (const auto& [hash, entry] : model) ASSERT_EQ(FindEntry(index, hash, entry), entry);
}

}  // namespace
}  // namespace kovra::test
