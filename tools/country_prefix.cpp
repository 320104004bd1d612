#include "tools/country_prefix.h"

#include "platform/ascii_text.h"

namespace kovra::replay {
namespace {

std::string UpperBase(std::string_view call) {
  const std::size_t slash = call.find('/');
  if (slash != 0 && slash != std::string_view::npos) call = call.substr(0, slash);
  return Upper(call);
}

bool IsRussian(const std::string& base) {
  return (!base.empty() && base[0] == 'R') ||
         (base.size() > 1 && base[0] == 'U' && base[1] >= 'A' && base[1] <= 'I');
}

std::string RussianPrefix(const std::string& base) {
  const std::size_t digit = base.find_first_of("0123456789");
  if (digit == std::string::npos) return "UA";
  const char d = base[digit];
  const char next = digit + 1 < base.size() ? base[digit + 1] : '\0';
  if (d == '2' && (next == 'F' || next == 'K')) return "UA2";
  if (d == '8' || d == '9' || d == '0') return "UA9";
  return "UA";
}

int DxccNumber(std::string_view dxcc) {
  dxcc = Trim(dxcc);
  int number = 0;
  for (const char c : dxcc) {
    if (!IsDigit(c) || number > 1000) return -1;
    number = number * 10 + (c - '0');
  }
  return dxcc.empty() ? -1 : number;
}

}  // namespace

std::string PrefixOfCall(std::string_view call) {
  const std::string base = UpperBase(call);
  if (IsRussian(base)) return RussianPrefix(base);
  std::string prefix;
  for (const char c : base) {
    if (!IsUpper(c) && !IsDigit(c)) break;
    prefix += c;
    if (IsDigit(c)) break;
  }
  return prefix;
}

std::string CountryPrefix(std::string_view dxcc, std::string_view call) {
  switch (DxccNumber(dxcc)) {
    case 54: return "UA";
    case 126: return "UA2";
    case 15: return "UA9";
    default: return PrefixOfCall(call);
  }
}

}  // namespace kovra::replay
