#include "platform/profile_file.h"

#include <vector>

namespace kovra {
namespace {

constexpr std::size_t kValueLimit = 9999;
constexpr char kBlank[] = " \t";

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlank) - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::vector<std::string_view> Lines(std::string_view file) {
  std::vector<std::string_view> lines;
  while (!file.empty()) {
    const std::size_t end = file.find('\n');
    std::string_view line = file.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    file.remove_prefix(end + 1);
  }
  return lines;
}

// The section a "[name]" line opens, or nothing for any other line.
bool SectionName(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return false;
  const std::size_t close = line.find(']');
  name = Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
  return true;
}

bool KeyLine(std::string_view line, std::string_view key, std::string_view& value) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos || !SameName(Trim(line.substr(0, eq)), key)) return false;
  value = Trim(line.substr(eq + 1));
  return true;
}

// Where the key's line is, or where a new key line would go, in the line list.
struct Place {
  bool sectionFound = false;
  bool keyFound = false;
  std::size_t line = 0;
  std::string_view value;
};

Place Find(const std::vector<std::string_view>& lines, std::string_view section,
           std::string_view key) {
  Place place;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    if (SectionName(lines[i], name)) {
      if (inSection) return place;
      inSection = SameName(name, section);
      if (inSection) place = {true, false, i + 1, {}};
    } else if (inSection && KeyLine(lines[i], key, place.value)) {
      place.keyFound = true;
      place.line = i;
      return place;
    } else if (inSection && !Trim(lines[i]).empty()) {
      place.line = i + 1;
    }
  }
  return place;
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string ReadProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view fallback) {
  const Place place = Find(Lines(file), section, key);
  // Windows strips a default's trailing blanks too.
  fallback.remove_suffix(fallback.size() - (fallback.find_last_not_of(' ') + 1));
  const std::string_view value = place.keyFound ? Unquoted(place.value) : fallback;
  return std::string(value.substr(0, kValueLimit));
}

std::string WithProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value) {
  std::vector<std::string_view> lines = Lines(file);
  const Place place = Find(lines, section, key);
  const std::string keyLine = std::string(key) + "=" + std::string(value);
  const std::string sectionLine = "[" + std::string(section) + "]";
  if (place.keyFound) {
    lines[place.line] = keyLine;
  } else if (place.sectionFound) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.line), keyLine);
  } else {
    lines.push_back(sectionLine);
    lines.push_back(keyLine);
  }
  std::string out;
  for (std::string_view line : lines) out.append(line).append("\r\n");
  return out;
}

}  // namespace kovra
