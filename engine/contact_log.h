#pragma once
#include <cstddef>
#include <deque>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "engine/contact.h"

namespace kovra {

// The contacts in the order the host reported them, indexed so that no call
// has to scan the whole log: the identical-contact test, the earliest contact
// of a station, the home regions and the counted contacts per band.
class ContactLog {
 public:
  using Stored = std::list<Contact>;
  using Station = std::deque<Stored::const_iterator>;  // earliest first

  ContactLog() = default;
  ContactLog(const ContactLog&) = delete;
  ContactLog& operator=(const ContactLog&) = delete;

  // Appends the contact unless an identical one is stored already.
  bool Add(Contact contact);
  // Takes out the earliest contact with this call, mode and band.
  bool RemoveFirst(std::string_view call, std::string_view mode, std::string_view band);
  void Clear();

  std::size_t size() const { return contacts_.size(); }
  Stored::const_iterator begin() const { return contacts_.begin(); }
  Stored::const_iterator end() const { return contacts_.end(); }

  // The stored contacts with this call, mode and band; null when there are none.
  const Station* Find(std::string_view call, std::string_view mode, std::string_view band) const;
  bool HasMaCall(std::string_view call) const { return maCalls_.count(std::string(call)) > 0; }
  bool HasRegionCode(std::string_view code) const {
    return regionCodes_.count(std::string(code)) > 0;
  }
  // Contacts on the band that have a call: the ones that score.
  int CountedOnBand(std::string_view band) const;

 private:
  struct ContentHash {
    std::size_t operator()(const Contact* c) const;
  };
  struct ContentEqual {
    bool operator()(const Contact* a, const Contact* b) const { return *a == *b; }
  };
  using Tally = std::unordered_map<std::string, int>;

  void Count(const Contact& c, int delta);
  static void Bump(Tally& tally, const std::string& key, int delta);

  Stored contacts_;
  std::unordered_set<const Contact*, ContentHash, ContentEqual> identical_;
  std::unordered_map<std::string, Station> stations_;
  Tally maCalls_;
  Tally regionCodes_;
  Tally countedByBand_;
};

}  // namespace kovra
