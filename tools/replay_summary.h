#pragma once
#include <string>
#include <vector>

#include "tools/replay.h"
#include "tools/replay_texts.h"

namespace kovra::replay {

// What the operator reads after a replay, in UTF-8 with bare line feeds.
std::string FormatReplay(const ReplayPlan& plan, const ReplayResult& result, Language language);

// What could not be mapped as it stands, one line a note, naming file and record.
std::vector<std::string> FormatNotes(const std::string& path, const ReplayPlan& plan,
                                     Language language);

}  // namespace kovra::replay
