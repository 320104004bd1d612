#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

#include "engine/contact.h"

namespace kovra {

// The contacts in the order the host reported them.
class ContactLog {
 public:
  // Appends the contact unless an identical one is stored already.
  bool Add(Contact contact);
  // Takes out the earliest contact with this call, mode and band.
  bool RemoveFirst(std::string_view call, std::string_view mode, std::string_view band);
  void Clear() { contacts_.clear(); }

  std::size_t size() const { return contacts_.size(); }
  const Contact& operator[](std::size_t i) const { return contacts_[i]; }
  std::vector<Contact>::const_iterator begin() const { return contacts_.begin(); }
  std::vector<Contact>::const_iterator end() const { return contacts_.end(); }

 private:
  std::vector<Contact> contacts_;
};

}  // namespace kovra
