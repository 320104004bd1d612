#pragma once
#include <cstddef>
#include <iterator>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "engine/contact.h"

namespace kovra {

// The contacts in the order the host reported them, indexed so that no call
// has to scan the whole log: the identical-contact test, each station's
// contacts (call, mode, band) earliest first, the home regions and the counted
// contacts per band.
class ContactLog {
  struct Entry {
    Contact contact;
    std::list<Entry>::iterator self;
    Entry* nextOfStation = nullptr;
    Entry* lastOfStation = nullptr;  // kept up to date in the station's earliest entry
  };

 public:
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Contact;
    using difference_type = std::ptrdiff_t;
    using pointer = const Contact*;
    using reference = const Contact&;

    explicit const_iterator(std::list<Entry>::const_iterator it) : it_(it) {}
    const Contact& operator*() const { return it_->contact; }
    const Contact* operator->() const { return &it_->contact; }
    const_iterator& operator++() { return ++it_, *this; }
    bool operator==(const const_iterator& o) const { return it_ == o.it_; }
    bool operator!=(const const_iterator& o) const { return it_ != o.it_; }

   private:
    std::list<Entry>::const_iterator it_;
  };

  ContactLog() = default;
  ContactLog(const ContactLog&) = delete;
  ContactLog& operator=(const ContactLog&) = delete;

  // Appends the contact unless an identical one is stored already.
  bool Add(Contact contact);
  // Takes out the earliest contact with this call, mode and band.
  bool RemoveFirst(std::string_view call, std::string_view mode, std::string_view band);
  void Clear();

  std::size_t size() const { return entries_.size(); }
  const_iterator begin() const { return const_iterator(entries_.begin()); }
  const_iterator end() const { return const_iterator(entries_.end()); }

  // Whether `test` holds for one of the contacts with this call, mode and band,
  // tried earliest first.
  template <class Test>
  bool AnyOfStation(std::string_view call, std::string_view mode, std::string_view band,
                    Test test) const {
    for (const Entry* e = Earliest(call, mode, band); e; e = e->nextOfStation) {
      if (test(e->contact)) return true;
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
  struct ContentHash {
    std::size_t operator()(const Entry* e) const;
  };
  struct ContentEqual {
    // An entry matches itself even when its NaN time equals nothing, so it can be erased.
    bool operator()(const Entry* a, const Entry* b) const {
      return a == b || a->contact == b->contact;
    }
  };
  struct StationHash {
    std::size_t operator()(const Entry* e) const;
  };
  struct StationEqual {
    bool operator()(const Entry* a, const Entry* b) const;
  };
  using Tally = std::unordered_map<std::string, int>;

  Entry* Earliest(std::string_view call, std::string_view mode, std::string_view band) const;
  void Count(const Contact& c, int delta);
  static void Bump(Tally& tally, const std::string& key, int delta);

  std::list<Entry> entries_;
  std::unordered_set<Entry*, ContentHash, ContentEqual> identical_;
  std::unordered_set<Entry*, StationHash, StationEqual> stations_;  // earliest entries
  Tally maCalls_;
  Tally regionCodes_;
  Tally countedByBand_;
};

}  // namespace kovra
