#pragma once
// ASCII-only helpers: ADIF and Cabrillo names, numbers and calls are ASCII, and the
// C library's versions depend on the locale.
#include <string>
#include <string_view>

namespace kovra {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsLetter(char c) { return IsUpper(c) || (c >= 'a' && c <= 'z'); }

// At least one digit, and nothing else.
inline bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return !text.empty();
}

inline std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

inline std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (IsUpper(c)) c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

inline std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace kovra
