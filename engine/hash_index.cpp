#include "engine/hash_index.h"

#include <algorithm>

namespace kovra {

void HashIndex::MakeRoomForOne() {
  if (2 * (used_ + 1) > slots_.size()) Grow();
}

void HashIndex::Insert(uint32_t hash, uint32_t entry) {
  MakeRoomForOne();
  std::size_t i = hash & Mask();
  while (slots_[i].entry != kNone) i = (i + 1) & Mask();
  slots_[i] = {hash, entry};
  ++used_;
}

void HashIndex::Erase(uint32_t hash, uint32_t entry) {
  if (slots_.empty()) return;
  std::size_t hole = hash & Mask();
  while (slots_[hole].entry != entry) {
    if (slots_[hole].entry == kNone) return;
    hole = (hole + 1) & Mask();
  }
  // Shift later members of the run back, so no probe stops early at the hole.
  for (std::size_t j = (hole + 1) & Mask(); slots_[j].entry != kNone; j = (j + 1) & Mask()) {
    const std::size_t home = slots_[j].hash & Mask();
    if (((j - home) & Mask()) >= ((j - hole) & Mask())) {
      slots_[hole] = slots_[j];
      hole = j;
    }
  }
  slots_[hole].entry = kNone;
  --used_;
}

void HashIndex::Clear() {
  std::fill(slots_.begin(), slots_.end(), Slot{0, kNone});
  used_ = 0;
}

void HashIndex::Grow() {
  std::vector<Slot> old(std::max<std::size_t>(16, 2 * slots_.size()), Slot{0, kNone});
  old.swap(slots_);
  used_ = 0;
  for (const Slot& s : old) {
    if (s.entry != kNone) Insert(s.hash, s.entry);
  }
}

}  // namespace kovra
