#include "checker/text_table.h"

namespace kovra::check {
namespace {

constexpr TextEntry kEnglish[] = {
    {Text::EmptyFile, "The file is empty: there is no log in it."},
    {Text::Utf16,
     "The file is UTF-16 text (\"Unicode\" in Notepad): save it as ANSI (code "
     "page 1251) or UTF-8 and check it again."},
    {Text::NoStart,
     "The log does not begin with START-OF-LOG: 3.0; a sponsor's robot may "
     "refuse it."},
    {Text::StartVersion2,
     "START-OF-LOG gives Cabrillo 2.0: robots accept it, but this "
     "contest's logs are 3.0."},
    {Text::StartVersion, "START-OF-LOG gives the version \"{1}\" where 3.0 belongs."},
    {Text::StartAgain,
     "A second START-OF-LOG (the first is at line {1}): are two logs joined "
     "in one file?"},
    {Text::ByteOrderMark,
     "The file begins with a UTF-8 byte-order mark: some robots do not see "
     "START-OF-LOG behind it."},
    {Text::NoEnd, "The log ends here without END-OF-LOG: the file looks cut off."},
    {Text::AfterEnd,
     "Lines after END-OF-LOG ({1} of them): a robot ignores them or refuses "
     "the log, and they are not checked."},
    {Text::NoTag, "The line does not begin with a tag (a name and a colon)."},
    {Text::UnknownTag, "\"{1}\" is not a Cabrillo 3.0 tag."},
    {Text::UnknownTagNear, "\"{1}\" is not a Cabrillo 3.0 tag: {2} is meant?"},
    {Text::Version2Tag, "{1} is a Cabrillo 2.0 tag; version 3.0 has no such tag."},
    {Text::TagAgain, "{1} appears again (first at line {2}); a robot takes only one of them."},
    {Text::ControlCharacter,
     "The line holds a control character, which a Cabrillo log never "
     "does."},
    {Text::FieldMissing, "The QSO line cannot be read: {1} is missing."},
    {Text::FieldNotNumber, "The QSO line cannot be read: {1} \"{2}\" is not a number."},
    {Text::ExtraFields,
     "The QSO line cannot be read: it has more fields than this contest's "
     "lines, from \"{1}\" on."},
    {Text::NoDateTime, "The QSO has no date and time: a sponsor cannot place it in a tour."},
    {Text::BadDate, "The date \"{1}\" is not a real date written yyyy-mm-dd."},
    {Text::BadTime, "The time \"{1}\" is not a UTC time written hhmm."},
    {Text::NoCallsign, "There is no CALLSIGN line."},
    {Text::EmptyCallsign, "CALLSIGN is empty."},
    {Text::OwnCallDiffers, "The own call \"{1}\" differs from CALLSIGN \"{2}\"."},
    {Text::NoContest, "There is no CONTEST line; this contest's logs say CONTEST: {1}."},
    {Text::OtherContest, "CONTEST is \"{1}\", not {2}: the log of another contest?"},
    {Text::NoClaimed, "There is no CLAIMED-SCORE line."},
    {Text::ClaimedNotNumber, "CLAIMED-SCORE \"{1}\" is not a whole number."},
    {Text::ClaimedDiffers, "The claimed score {1} differs from the checked score {2}."},
    {Text::UnknownMode, "The mode \"{1}\" is none of {2}."},
    {Text::OutOfBand,
     "The frequency \"{1}\" lies in none of the amateur bands from 160 m to "
     "10 m."},
    {Text::DecimalFrequency,
     "The frequency \"{1}\" has a decimal point; Cabrillo gives whole "
     "kHz."},
    {Text::SentRefused,
     "The sent exchange \"{1}\" is refused: the contest takes a number of "
     "three or four digits other than 599, then optionally a blank and a "
     "region pair."},
    {Text::ReceivedRefused,
     "The received exchange \"{1}\" is not three digits, then "
     "optionally a blank and a region pair."},
    {Text::Repeat,
     "{1} again on {2} {3} in the tour from {4}, first at line {5}: a sponsor "
     "does not count it."},
    {Text::FieldFrequency, "the frequency"},
    {Text::FieldMode, "the mode"},
    {Text::FieldDate, "the date"},
    {Text::FieldTime, "the time"},
    {Text::FieldOwnCall, "the own call"},
    {Text::FieldRstSent, "the sent RST"},
    {Text::FieldSent, "the sent exchange"},
    {Text::FieldCall, "the worked call"},
    {Text::FieldRstReceived, "the received RST"},
    {Text::FieldReceived, "the received exchange"},
    {Text::Error, "error"},
    {Text::Warning, "warning"},
    {Text::Line, "line"},
    {Text::None, "none"},
    {Text::MoreOfCode, "... and {1} more with the code {2}"},
    {Text::EncodingAscii, "ASCII"},
    {Text::EncodingUtf8, "UTF-8"},
    {Text::EncodingUtf8Bom, "UTF-8 with a byte-order mark"},
    {Text::EncodingCp1251, "code page 1251"},
    {Text::EncodingUtf16, "UTF-16"},
    {Text::Heading, "{1}: CALLSIGN {2}, CONTEST {3}, read as {4}"},
    {Text::Problems, "Errors: {1}, warnings: {2}"},
    {Text::NoProblems, "Nothing to report."},
    {Text::ScoreHeading, "Score"},
    {Text::QsoLines, "QSO lines"},
    {Text::Unreadable, "unreadable (not counted)"},
    {Text::WithoutCall, "without a worked call (not counted)"},
    {Text::Repeats, "repeats within a tour (not counted)"},
    {Text::CheckedScore, "checked score"},
    {Text::ClaimedScore, "claimed score"},
    {Text::ToursHeading, "Tours (UTC): QSOs per band"},
    {Text::TourDate, "date"},
    {Text::TourStart, "tour"},
    {Text::TourRepeats, "repeats"},
    {Text::NoTours, "No QSO with a valid time."},
    {Text::NearEdgesHeading,
     "QSOs within a minute of a tour's edge (a clock that is off moves "
     "them into the next tour):"},
    {Text::VerdictErrors,
     "Errors: {1}. A sponsor's robot would refuse the log or these QSOs: "
     "correct them before sending."},
    {Text::VerdictWarnings, "No errors; warnings: {1}, worth a look before sending."},
    {Text::VerdictClean, "No errors and no warnings: the log is ready to send."},
    {Text::CrossHeading, "Cross-checked against the logs of {1} other stations."},
    {Text::BustedCalls, "busted calls (not counted)"},
    {Text::NotInLog, "not in the other station's log (not counted)"},
    {Text::ExchangeErrors, "exchange errors (not counted)"},
    {Text::UniqueCalls, "unique calls (counted)"},
    {Text::ClockOffset,
     "Clock: {1} minutes against the other logs; taken out before the times "
     "were compared."},
    {Text::ClockOffsetTooLarge,
     "Clock: {1} minutes against the other logs, more than {2}: not "
     "taken out, so QSOs logged that far off are not found."},
    {Text::NoClockOffset, "Clock: no QSO was found in another log to compare it with."},
    {Text::NotCountedHeading, "QSOs not counted:"},
    {Text::AllCounted, "Every QSO was counted."},
    {Text::WhyUnreadable, "unreadable"},
    {Text::WhyNoCall, "no worked call"},
    {Text::WhyRepeat, "repeat of line {1} within the tour"},
    {Text::WhyBusted, "busted call: {1} sent no log, and {2} logged this QSO with you"},
    {Text::WhyNotInLog, "not in the log of {1}"},
    {Text::WhyNotInLogNearest,
     "not in the log of {1}: its nearest QSO with you on this band and "
     "mode is {2} minutes off"},
    {Text::WhyExchange, "exchange error: you logged {1}, {2} sent {3}"},
    {Text::YourLine, "yours"},
    {Text::TheirLine, "{1}, line {2}"},
    {Text::UniquesHeading,
     "Unique calls (counted; no other log holds them and they sent no "
     "log):"},
    {Text::Usage,
     "Usage: kovra-check [--json] [--lang en|ru] [--out DIR] LOG.cbr... | FOLDER\n"
     "Checks Cabrillo logs of the Velmora contest: what a sponsor's robot would refuse,\n"
     "the repeats within a tour and the score that remains. Given two or more logs, or a\n"
     "folder (every .cbr in it), it also checks each QSO against the other station's log.\n"
     "  --json          print one JSON document instead of the reports\n"
     "  --lang en|ru    the reports' language (default: the user's)\n"
     "  --out DIR       write results.csv and a report per log (CALL.txt) into DIR\n"
     "  --version       print the version and stop\n"
     "Exit status: 0 no error found, 1 an error found, 2 bad command line or a file that\n"
     "cannot be read or written.\n"},
    {Text::UnknownOption, "unknown option {1}"},
    {Text::BadLanguage, "--lang takes en or ru"},
    {Text::NoLogGiven, "no log file given"},
    {Text::NoOutFolder, "--out takes a folder"},
    {Text::CannotRead, "cannot read {1}: {2}"},
    {Text::PressEnter, "Press Enter to close this window."},
    {Text::LeftOut, "cannot read {1}: {2}; it is left out, the other logs are checked"},
    {Text::NoLogsInFolder, "no .cbr file in {1}"},
    {Text::CannotWrite, "cannot write {1}: {2}"},
    {Text::ProgressReading, "reading the logs: {1} of {2}"},
    {Text::ProgressCrossCheck, "cross-checking {1} QSO lines of {2} logs"},
    {Text::ProgressWriting, "writing results.csv and {1} reports into {2}"},
};
static_assert(InEnumOrder(kEnglish));

}  // namespace

std::string_view EnglishText(Text text) { return kEnglish[static_cast<std::size_t>(text)].text; }

}  // namespace kovra::check
