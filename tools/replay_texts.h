#pragma once
// What kovra-replay says to people, in English and Russian, by the checker's
// language rule: one table, each text in both languages.
#include <string>
#include <vector>

#include "checker/texts.h"

namespace kovra::replay {

using check::Language;

// {1}, {2}... stand for the arguments.
enum class ReplayText {
  // The summary.
  Replayed,
  ScoreReturned,
  NoRepeats,
  Repeats,
  Tour,
  RepeatLine,
  Station,
  NoTime,
  Identical,
  IdenticalLine,
  NoPluginsFolder,
  OutputBox,
  NoneSeen,
  CabrilloWritten,
  CabrilloUnchanged,
  CabrilloMissing,
  // The notes on the log, before the replay.
  UnsafeCallsign,
  RecordNote,
  NoCall,
  InvalidTime,
  NoFreq,
  FreqAbove32Bits,
  FreqNotNumber,
  SentBandEdge,
  SentZeroHz,
  NoBand,
  CutOff,
  Count  // not a text: the number of them
};

std::string Say(ReplayText text, Language language, const std::vector<std::string>& args = {});

// A note on a record: what is wrong, then what was sent instead.
struct Phrase {
  ReplayText text;
  std::vector<std::string> args;
};
using Note = std::vector<Phrase>;

std::string Say(const Note& note, Language language);

}  // namespace kovra::replay
