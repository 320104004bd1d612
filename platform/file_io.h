#pragma once
#include <cstdio>
#include <optional>
#include <string>

namespace kovra {

// The whole file as raw bytes; nothing when it cannot be opened or read to the end.
std::optional<std::string> ReadWholeFile(const std::string& name);

// The rest of an open file, which it closes; nothing when it cannot be read to the end.
std::optional<std::string> ReadToEnd(std::FILE* file);

// Writes the bytes to a temporary file beside `name`, then has `move` put it in
// place, so a failure anywhere leaves the earlier file whole.
bool ReplaceWholeFile(const std::string& name, const std::string& bytes,
                      bool (*move)(const char* from, const char* to));

}  // namespace kovra
