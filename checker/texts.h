#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kovra::check {

enum class Language { English, Russian };

// Every text the checker shows people. One table per language holds them all,
// in this order; {1}, {2}... stand for the arguments.
enum class Text {
  // Findings.
  EmptyFile,
  Utf16,
  NoStart,
  StartVersion2,
  StartVersion,
  StartAgain,
  ByteOrderMark,
  NoEnd,
  AfterEnd,
  NoTag,
  UnknownTag,
  UnknownTagNear,
  Version2Tag,
  TagAgain,
  ControlCharacter,
  FieldMissing,
  FieldNotNumber,
  ExtraFields,
  NoDateTime,
  BadDate,
  BadTime,
  NoCallsign,
  EmptyCallsign,
  OwnCallDiffers,
  NoContest,
  OtherContest,
  NoClaimed,
  ClaimedNotNumber,
  ClaimedDiffers,
  UnknownMode,
  OutOfBand,
  DecimalFrequency,
  SentRefused,
  ReceivedRefused,
  Repeat,
  // The QSO line's fields, named in the findings above.
  FieldFrequency,
  FieldMode,
  FieldDate,
  FieldTime,
  FieldOwnCall,
  FieldRstSent,
  FieldSent,
  FieldCall,
  FieldRstReceived,
  FieldReceived,
  // The report.
  Error,
  Warning,
  Line,
  None,
  MoreOfCode,
  EncodingAscii,
  EncodingUtf8,
  EncodingUtf8Bom,
  EncodingCp1251,
  EncodingUtf16,
  Heading,
  Problems,
  NoProblems,
  ScoreHeading,
  QsoLines,
  Unreadable,
  WithoutCall,
  Repeats,
  CheckedScore,
  ClaimedScore,
  ToursHeading,
  TourDate,
  TourStart,
  TourRepeats,
  NoTours,
  NearEdgesHeading,
  VerdictErrors,
  VerdictWarnings,
  VerdictClean,
  // The cross-check's report.
  CrossHeading,
  BustedCalls,
  NotInLog,
  ExchangeErrors,
  UniqueCalls,
  ClockOffset,
  ClockOffsetTooLarge,
  NoClockOffset,
  NotCountedHeading,
  AllCounted,
  WhyUnreadable,
  WhyNoCall,
  WhyRepeat,
  WhyBusted,
  WhyNotInLog,
  WhyNotInLogNearest,
  WhyExchange,
  YourLine,
  TheirLine,
  UniquesHeading,
  // The program.
  Usage,
  UnknownOption,
  BadLanguage,
  NoLogGiven,
  NoOutFolder,
  CannotRead,
  PressEnter,
  LeftOut,
  NoLogsInFolder,
  CannotWrite,
  ProgressReading,
  ProgressCrossCheck,
  ProgressWriting,
  Count  // not a text: the number of them
};

std::string_view TextOf(Text text, Language language);

// The text with {1}, {2}... replaced by the arguments.
std::string Format(Text text, Language language, const std::vector<std::string>& args = {});

// The same for any pattern, for the other programs' own texts; a slot without
// its argument stays as it is.
std::string FillSlots(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace kovra::check
