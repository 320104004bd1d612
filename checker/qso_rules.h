#pragma once
// The contest's rules as a log's QSO fields show them, over the core's own.
#include <optional>
#include <string>
#include <string_view>

#include "checker/texts.h"
#include "platform/ole_date.h"

namespace kovra::check {

// How a QSO line writes the date and the time: 'd' stands for a digit.
constexpr std::string_view kDateShape = "dddd-dd-dd";
constexpr std::string_view kTimeShape = "dddd";

// The text is as long as the shape, with a digit wherever it has a 'd' and its
// own character everywhere else.
bool HasShape(std::string_view text, std::string_view shape);

// Two letters, as a region is sent after the serial number.
bool IsRegionPair(std::string_view text);

// A number the contest accepts, then optionally a blank and a region pair.
bool IsSentExchange(std::string_view sent);

// Three digits, then optionally a blank and a region pair: the form the plug-in stores.
bool IsReceivedExchange(std::string_view received);

// The mode the repeat rule takes a Cabrillo mode code for (in capitals): PM, DG
// and RY are one, PH and FM another; nothing for a code Cabrillo does not have.
std::optional<std::string_view> ModeGroup(std::string_view code);

// "CW, PH, ...": the codes ModeGroup knows, for the operator.
std::string ModeCodeList();

struct FrequencyRead {
  bool number = false;       // else the QSO line cannot be read
  bool decimal = false;      // whole kHz belong there
  std::string band;          // as the core names it; empty outside every band
  bool contestBand = false;  // an amateur band from 160 m to 10 m
};

// The frequency field: kHz, or a band designator of VHF and up.
FrequencyRead ReadFrequency(std::string_view text);

// A date "yyyy-mm-dd" and a time "hhmm" that exist; else nothing, and `problem`
// says which of the two is wrong.
std::optional<DateTimeParts> ReadDateTime(std::string_view date, std::string_view time,
                                          Text& problem);

}  // namespace kovra::check
