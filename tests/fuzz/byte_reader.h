#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>

namespace kovra::fuzz {

// Hands out the fuzzer's bytes from the front, then zeros once they run out, so
// hand-written seeds read in the order they are written.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return at_ >= size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  // 0 to n-1.
  int Below(int n) { return Byte() % n; }

  template <typename T>
  T Pick(std::initializer_list<T> choices) {
    return choices.begin()[Below(static_cast<int>(choices.size()))];
  }

  template <typename T>
  T Raw() {
    uint8_t bytes[sizeof(T)];
    for (uint8_t& b : bytes) b = Byte();
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

  // Up to maxLength characters of the alphabet.
  std::string Compose(const std::string& alphabet, int maxLength) {
    std::string text(Below(maxLength + 1), ' ');
    for (char& c : text) c = alphabet[Below(static_cast<int>(alphabet.size()))];
    return text;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace kovra::fuzz
