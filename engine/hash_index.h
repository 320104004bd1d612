#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kovra {

// Entry numbers in one flat open-addressed table, found by a hash the caller
// computes. Which entry a probe has found is for the caller to judge, so one
// table serves any key and duplicates (even entries equal to nothing) are fine.
class HashIndex {
 public:
  static constexpr uint32_t kNone = UINT32_MAX;

  // An entry with this hash that `matches` accepts.
  template <class Matches>
  uint32_t Find(uint32_t hash, Matches matches) const {
    if (slots_.empty()) return kNone;
    for (std::size_t i = hash & Mask(); slots_[i].entry != kNone; i = (i + 1) & Mask()) {
      if (slots_[i].hash == hash && matches(slots_[i].entry)) return slots_[i].entry;
    }
    return kNone;
  }
  // Starts loading the slot a probe for this hash begins at, so a large table's
  // cache miss overlaps other work.
  void Prefetch(uint32_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash & Mask()]);
  }
  // Grows the table now if one more entry would need it, so that the next
  // Insert cannot fail.
  void MakeRoomForOne();
  void Insert(uint32_t hash, uint32_t entry);
  // Takes out this very entry, which was inserted with this hash.
  void Erase(uint32_t hash, uint32_t entry);
  // Empties the table but keeps its room, for a log that is about to be fed again.
  void Clear();

 private:
  struct Slot {
    uint32_t hash;
    uint32_t entry;
  };
  std::size_t Mask() const { return slots_.size() - 1; }
  void Grow();

  std::vector<Slot> slots_;  // a power of two long, at most half full
  std::size_t used_ = 0;
};

}  // namespace kovra
