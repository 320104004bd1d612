#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/ole_date.h"
#include "tools/adif_reader.h"
#include "plugin_calls/plugin_calls.h"
#include "tools/replay_texts.h"

namespace kovra::replay {

// One contact as the host reports it, owning its texts (code page 1251, as read).
struct QsoContact {
  int record = 0;
  std::string call, mode, rstSent, rstRcvd, exchgSent, exchgRcvd, prefix, extra, band;
  OleDate time;
  unsigned freqHz = 0;
  std::vector<Note> notes;  // what could not be mapped as it stands

  // Valid while this contact lives and is not changed.
  host::ContactArgs Args() const;
};

QsoContact MapRecord(const AdifRecord& record);

// QSO_DATE (YYYYMMDD) and TIME_ON (HHMM or HHMMSS) in UTC; status Invalid when
// either is missing or not a real date and time.
OleDate QsoTime(const std::string* date, const std::string* time);

}  // namespace kovra::replay
