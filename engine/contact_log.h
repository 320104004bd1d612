#pragma once
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/contact.h"
#include "engine/hash_index.h"

namespace kovra {

// The contacts in the order the host reported them, indexed so that no call
// has to scan the whole log: the identical-contact test, each station's
// contacts (call, mode, band) earliest first, the home regions and the counted
// contacts per band. Contacts sit side by side in one array; a removed one is
// only marked until the dead outnumber the living.
class ContactLog {
  struct Entry {
    Contact contact;
    uint32_t contentHash = 0;
    uint32_t stationHash = 0;
    uint32_t nextOfStation = HashIndex::kNone;
    uint32_t lastOfStation = HashIndex::kNone;  // kept up to date in the station's earliest entry
    bool removed = false;
  };

 public:
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Contact;
    using difference_type = std::ptrdiff_t;
    using pointer = const Contact*;
    using reference = const Contact&;

    const_iterator(const Entry* at, const Entry* end) : at_(at), end_(end) { SkipRemoved(); }
    const Contact& operator*() const { return at_->contact; }
    const Contact* operator->() const { return &at_->contact; }
    const_iterator& operator++() { return ++at_, SkipRemoved(), *this; }
    bool operator==(const const_iterator& o) const { return at_ == o.at_; }
    bool operator!=(const const_iterator& o) const { return at_ != o.at_; }

   private:
    void SkipRemoved() {
      while (at_ != end_ && at_->removed) ++at_;
    }
    const Entry* at_;
    const Entry* end_;
  };

  ContactLog() = default;
  ContactLog(const ContactLog&) = delete;
  ContactLog& operator=(const ContactLog&) = delete;

  // Appends the contact unless an identical one is stored already.
  bool Add(Contact&& contact);
  // Takes out the earliest contact with this call, mode and band.
  bool RemoveFirst(std::string_view call, std::string_view mode, std::string_view band);
  void Clear();

  std::size_t size() const { return entries_.size() - removed_; }
  const_iterator begin() const { return {Begin(), End()}; }
  const_iterator end() const { return {End(), End()}; }

  // Whether `test` holds for one of the contacts with this call, mode and band,
  // tried earliest first.
  template <class Test>
  bool AnyOfStation(std::string_view call, std::string_view mode, std::string_view band,
                    Test test) const {
    for (uint32_t i = Earliest(call, mode, band); i != HashIndex::kNone;
         i = entries_[i].nextOfStation) {
      if (test(entries_[i].contact)) return true;
    }
    return false;
  }
  bool HasMaCall(std::string_view call) const { return maCalls_.count(std::string(call)) > 0; }
  bool HasRegionCode(std::string_view code) const {
    return regionCodes_.count(std::string(code)) > 0;
  }
  // Contacts on the band that have a call: the ones that score.
  int CountedOnBand(std::string_view band) const;

 private:
  using Tally = std::unordered_map<std::string, int>;

  const Entry* Begin() const { return entries_.data(); }
  const Entry* End() const { return entries_.data() + entries_.size(); }
  uint32_t Earliest(std::string_view call, std::string_view mode, std::string_view band) const;
  uint32_t Earliest(uint32_t stationHash, std::string_view call, std::string_view mode,
                    std::string_view band) const;
  void LinkToStation(uint32_t index);
  void Compact();
  void Count(const Contact& c, int delta);
  static void Bump(Tally& tally, const std::string& key, int delta);

  std::vector<Entry> entries_;
  std::size_t removed_ = 0;
  HashIndex identical_;
  HashIndex stations_;  // each station's earliest entry
  Tally maCalls_;
  Tally regionCodes_;
  Tally countedByBand_;
};

}  // namespace kovra
