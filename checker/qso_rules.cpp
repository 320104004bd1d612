#include "checker/qso_rules.h"

#include "engine/band_plan.h"
#include "engine/exchange.h"
#include "output/cabrillo_writer.h"
#include "platform/ascii_text.h"

namespace kovra::check {
namespace {

struct ModeCode {
  std::string_view code;
  std::string_view group;
};

// Cabrillo's codes, and the plug-in's code for every mode but CW and SSB.
constexpr ModeCode kModeCodes[] = {
    {kModeCodeCw, kModeCodeCw}, {kModeCodePhone, kModeCodePhone}, {"FM", kModeCodePhone},
    {"RY", kModeCodeOther},     {"DG", kModeCodeOther},           {kModeCodeOther, kModeCodeOther},
};

// Cabrillo's band designators above 30 MHz written as numbers: MHz, not kHz.
constexpr uint32_t kDesignatorsMHz[] = {50, 70, 144, 222, 432, 902};

// Only as many digits as fit: longer numbers lie outside every band anyway.
uint64_t Number(std::string_view digits) {
  uint64_t n = 0;
  for (const char c : digits.substr(0, 12)) n = n * 10 + static_cast<uint64_t>(c - '0');
  return n;
}

std::string BandOfHz(uint64_t hz) {
  return hz <= UINT32_MAX ? BandOfFrequency(static_cast<uint32_t>(hz)) : std::string();
}

bool IsDesignatorMHz(uint64_t value) {
  for (const uint32_t mhz : kDesignatorsMHz) {
    if (value == mhz) return true;
  }
  return false;
}

// "1.2G", "10G", "LIGHT": bands above the ones a number can name.
bool IsGigahertzDesignator(std::string_view text) {
  if (text == "LIGHT") return true;
  if (text.size() < 2 || text.back() != 'G') return false;
  const std::string_view number = text.substr(0, text.size() - 1);
  const std::size_t point = number.find('.');
  return AllDigits(number.substr(0, point)) &&
         (point == std::string_view::npos || AllDigits(number.substr(point + 1)));
}

bool InContestBands(const std::string& band) {
  const auto edge = BandLowerEdge(band);
  return edge && *edge >= *BandLowerEdge("160") && *edge <= *BandLowerEdge("10");
}

int Digits(std::string_view text, std::size_t at, std::size_t count) {
  return static_cast<int>(Number(text.substr(at, count)));
}

}  // namespace

bool HasShape(std::string_view text, std::string_view shape) {
  if (text.size() != shape.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (shape[i] == 'd' ? !IsDigit(text[i]) : text[i] != shape[i]) return false;
  }
  return true;
}

bool IsRegionPair(std::string_view text) {
  return text.size() == 2 && IsLetter(text[0]) && IsLetter(text[1]);
}

bool IsSentExchange(std::string_view sent) {
  const std::size_t blank = sent.find(' ');
  if (!IsValidExchange(sent.substr(0, blank))) return false;
  return blank == std::string_view::npos || IsRegionPair(sent.substr(blank + 1));
}

bool IsReceivedExchange(std::string_view received) {
  if (received.size() < 3 || !AllDigits(received.substr(0, 3))) return false;
  if (received.size() == 3) return true;
  const NormalisedExchange normalised = NormaliseExchange(received);
  return received == normalised.text && IsRegionPair(normalised.region);
}

std::optional<std::string_view> ModeGroup(std::string_view code) {
  for (const ModeCode& m : kModeCodes) {
    if (m.code == code) return m.group;
  }
  return std::nullopt;
}

std::string ModeCodeList() {
  std::string list;
  for (const ModeCode& m : kModeCodes) list.append(list.empty() ? "" : ", ").append(m.code);
  return list;
}

FrequencyRead ReadFrequency(std::string_view text) {
  FrequencyRead read;
  const std::string upper = Upper(text);
  const std::size_t point = text.find('.');
  if (AllDigits(text)) {
    const uint64_t value = Number(text);
    read.band = BandOfHz(IsDesignatorMHz(value) ? value * 1000000 : value * 1000);
  } else if (IsGigahertzDesignator(upper)) {
    read.band = upper;
  } else if (point != std::string_view::npos && AllDigits(text.substr(0, point)) &&
             AllDigits(text.substr(point + 1))) {
    read.decimal = true;
    const std::string_view hz = text.substr(point + 1, 3);  // the fraction's first three digits
    uint64_t fraction = Number(hz);
    for (std::size_t i = hz.size(); i < 3; ++i) fraction *= 10;
    read.band = BandOfHz(Number(text.substr(0, point)) * 1000 + fraction);
  } else {
    return read;
  }
  read.number = true;
  read.contestBand = InContestBands(read.band);
  return read;
}

std::optional<DateTimeParts> ReadDateTime(std::string_view date, std::string_view time,
                                          Text& problem) {
  if (!HasShape(date, kDateShape)) return problem = Text::BadDate, std::nullopt;
  if (!HasShape(time, kTimeShape)) return problem = Text::BadTime, std::nullopt;
  const DateTimeParts wanted{Digits(date, 0, 4), Digits(date, 5, 2), Digits(date, 8, 2),
                             Digits(time, 0, 2), Digits(time, 2, 2), 0};
  if (wanted.hour > 23 || wanted.minute > 59) return problem = Text::BadTime, std::nullopt;
  // The calendar is the core's: a date that does not exist comes back as another one.
  const auto made = ToDateTimeParts(
      MakeOleDate(wanted.year, wanted.month, wanted.day, wanted.hour, wanted.minute, 0));
  const bool same =
      made && made->year == wanted.year && made->month == wanted.month && made->day == wanted.day;
  if (!same) return problem = Text::BadDate, std::nullopt;
  return wanted;
}

}  // namespace kovra::check
