#pragma once
#include <string>
#include <string_view>

namespace kovra {

// The private-profile (INI) format of the settings file, for builds without the
// Windows profile functions. Section and key names match case-insensitively.

// The key's value, cut to 9999 bytes as a 10000-byte buffer would; else `fallback`
// without its trailing blanks.
std::string ReadProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view fallback);

// The file's bytes with the key set (added, with its section, when missing); CR LF lines.
std::string WithProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value);

}  // namespace kovra
