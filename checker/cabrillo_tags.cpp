#include "checker/cabrillo_tags.h"

#include <algorithm>
#include <vector>

namespace kovra::check {
namespace {

struct KnownTag {
  std::string_view name;
  TagKind kind;
};

constexpr KnownTag kTags[] = {
    {"START-OF-LOG", TagKind::Once},
    {"END-OF-LOG", TagKind::Once},
    {"CALLSIGN", TagKind::Once},
    {"CONTEST", TagKind::Once},
    {"CATEGORY-ASSISTED", TagKind::Once},
    {"CATEGORY-BAND", TagKind::Once},
    {"CATEGORY-MODE", TagKind::Once},
    {"CATEGORY-OPERATOR", TagKind::Once},
    {"CATEGORY-POWER", TagKind::Once},
    {"CATEGORY-STATION", TagKind::Once},
    {"CATEGORY-TIME", TagKind::Once},
    {"CATEGORY-TRANSMITTER", TagKind::Once},
    {"CATEGORY-OVERLAY", TagKind::Once},
    {"CERTIFICATE", TagKind::Once},
    {"CLAIMED-SCORE", TagKind::Once},
    {"CLUB", TagKind::Once},
    {"CREATED-BY", TagKind::Once},
    {"EMAIL", TagKind::Once},
    {"GRID-LOCATOR", TagKind::Once},
    {"LOCATION", TagKind::Once},
    {"NAME", TagKind::Once},
    {"ADDRESS-CITY", TagKind::Once},
    {"ADDRESS-STATE-PROVINCE", TagKind::Once},
    {"ADDRESS-POSTALCODE", TagKind::Once},
    {"ADDRESS-COUNTRY", TagKind::Once},
    {"DEBUG", TagKind::Once},
    {"ADDRESS", TagKind::Repeatable},
    {"SOAPBOX", TagKind::Repeatable},
    {"OPERATORS", TagKind::Repeatable},
    {"OFFTIME", TagKind::Repeatable},
    {"QSO", TagKind::Qso},
    {"CATEGORY", TagKind::Version2},
    {"ARRL-SECTION", TagKind::Version2},
    {"IOTA-ISLAND-NAME", TagKind::Version2},
    {"CATEGORY-DXPEDITION", TagKind::Version2},
    {"CLUB-NAME", TagKind::Version2},
    {"EMAIL-ADDRESS", TagKind::Version2},
};

// Letters to change, add or drop to make one text the other.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

TagKind KindOfTag(std::string_view tag) {
  if (tag == "QSO") return TagKind::Qso;  // most lines of a log
  if (tag.substr(0, 2) == "X-") return TagKind::Comment;
  for (const KnownTag& known : kTags) {
    if (known.name == tag) return known.kind;
  }
  return TagKind::Unknown;
}

std::string NearestTag(std::string_view tag) {
  // A quarter of the letters may be wrong: CATEGORY-OPERATR is CATEGORY-OPERATOR,
  // but QTC (a line of another contest) is not QSO.
  std::size_t best = tag.size() / 4 + 1;
  std::string_view nearest;
  for (const KnownTag& known : kTags) {
    if (known.kind == TagKind::Version2) continue;
    const std::size_t distance = EditDistance(tag.substr(0, 64), known.name);
    if (distance < best) best = distance, nearest = known.name;
  }
  return std::string(nearest);
}

}  // namespace kovra::check
