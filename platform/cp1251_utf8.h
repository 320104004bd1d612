#pragma once
#include <string>
#include <string_view>

namespace kovra {

// Code page 1251 text as UTF-8; the one unassigned byte (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view text);

// UTF-8 text as code page 1251; a character it lacks, or a malformed sequence, becomes "?".
std::string Utf8ToCp1251(std::string_view text);

// Well-formed UTF-8 throughout (ASCII is).
bool IsUtf8(std::string_view text);

// The text with each byte that begins no well-formed UTF-8 sequence as U+FFFD.
std::string WellFormedUtf8(std::string_view text);

}  // namespace kovra
