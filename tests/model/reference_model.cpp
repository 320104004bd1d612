#include "tests/model/reference_model.h"

#include <cstring>

#include "tests/model/model_date.h"

namespace kovra::model {
namespace {

bool IsHomePrefix(const std::string& prefix) {
  return prefix == "UA" || prefix == "UA2" || prefix == "UA9";
}

// The characters at these 1-based positions that the text has; the others are left out.
std::string CharactersAt(const std::string& text, std::initializer_list<std::size_t> positions) {
  std::string out;
  for (std::size_t p : positions) {
    if (p <= text.size()) out += text[p - 1];
  }
  return out;
}

std::string RegionPair(const std::string& received) {
  return received.size() == 5 ? CharactersAt(received, {4, 5}) : CharactersAt(received, {5, 6});
}

bool Equal(const OleDate& a, const OleDate& b) {
  return a.status == b.status && a.value == b.value;
}

bool Equal(const ModelContact& a, const ModelContact& b) {
  return a.call == b.call && a.prefix == b.prefix && a.extra == b.extra && a.band == b.band &&
         a.mode == b.mode && a.rstRcvd == b.rstRcvd && a.rstSent == b.rstSent &&
         a.exchgRcvd == b.exchgRcvd && a.exchgSent == b.exchgSent && a.maCall == b.maCall &&
         a.regionCode == b.regionCode && a.freqKHz == b.freqKHz && Equal(a.time, b.time);
}

ModelContact ContactFrom(const ModelReport& r) {
  ModelContact c;
  c.call = r.call;
  c.band = r.band;
  c.extra = r.extra;
  c.rstRcvd = r.rstRcvd;
  c.rstSent = r.rstSent;
  c.exchgSent = r.exchgSent;
  c.prefix = r.prefix;
  c.mode = r.mode;
  c.time = r.time;
  c.freqKHz = r.freqHz / 1000;
  const std::string pair = RegionPair(r.exchgRcvd);
  c.exchgRcvd = CharactersAt(r.exchgRcvd, {1, 2, 3}) + " " + pair;
  if (IsHomePrefix(r.prefix)) {
    if (pair == "MA") {
      c.maCall = r.call;
    } else {
      c.regionCode = pair;
    }
  }
  return c;
}

const char kRefusal[] =
    " \xC2 \xCE\xC4\xCD\xCE\xCC \xE8 \xD2\xCE\xCC \xC6\xC5 \xD2\xD3\xD0\xC5 "
    "\xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC \xCD\xC5\xCB\xDC\xC7\xDF !!!";

}  // namespace

void ReferenceModel::SetupSet() {
  platform_.ShowMessage({"No additional setup for this contest", nullptr, false, false});
}

int ReferenceModel::ResetStats(int reportFlag, const std::string& callsign,
                               const OleDate& titleDate) {
  if (!launched_) {
    platform_.StartProgram(".\\Plugins\\Tovmax.exe", 1);
    launched_ = true;
  }
  titleDate_ = platform_.DateText(titleDate);
  if (titleDate_.size() > 10) titleDate_ = titleDate_.substr(0, 10);
  contacts_.clear();
  bands_.clear();
  reportFlag_ = reportFlag;
  callsign_ = callsign;
  if (reportFlag_ != 0) EditStationSettings(settings_, std::string(callsign_), platform_, form_);
  return 1;
}

int ReferenceModel::AddData(const ModelReport& report) {
  const std::size_t n = contacts_.size();
  bool known = false;
  for (const std::string& band : bands_) known = known || band == report.band;
  if (!known) bands_.push_back(report.band);
  const ModelContact contact = ContactFrom(report);
  for (std::size_t i = 0; i < n; ++i) {
    if (Equal(contacts_[i], contact)) return 1;
  }
  contacts_.push_back(contact);
  return 1;
}

int ReferenceModel::RemoveData(const std::string& call, const std::string& mode,
                               const std::string& exchgSent, const std::string& exchgRcvd,
                               const std::string& band) {
  if (exchgRcvd.empty() || exchgSent.empty()) return 0;
  for (std::size_t i = 0; i < contacts_.size(); ++i) {
    const ModelContact& c = contacts_[i];
    if (c.call == call && c.mode == mode && c.band == band) {
      contacts_.erase(contacts_.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  }
  return 1;
}

bool ReferenceModel::InCurrentTour(const ModelContact& c) {
  const UtcTime now = platform_.UtcNow();
  const auto then = MomentOf(c.time);
  if (!then) return false;
  return then->hour == now.hour && (then->minute < 30) == (now.minute < 30);
}

int ReferenceModel::NewRegionCode(const ModelCheck& check) const {
  for (const ModelContact& c : contacts_) {
    if (c.maCall == check.call || c.regionCode == check.region) return 1;
  }
  return 2;
}

int ReferenceModel::CheckCall(const ModelCheck& check, char* message) {
  for (const ModelContact& c : contacts_) {
    if (c.call != check.call || c.band != check.band || c.mode != check.mode) continue;
    if (!InCurrentTour(c)) continue;
    if (message != nullptr) {
      const std::string text = "QSO c " + check.call + kRefusal;
      std::memcpy(message, text.c_str(), text.size() + 1);
    }
    return 0;
  }
  if (!check.prefix) return 0;
  if (!IsHomePrefix(*check.prefix)) return 1;
  return NewRegionCode(check);
}

void ReferenceModel::SetHostMode() {
  HostConnection& host = host_;
  if (!host.Open()) return;
  if (host.SendCommand("<MODE:BPSK31>") && host.SendCommand("<BAUDRATE:63>")) modeSent_ = true;
  host.Close();
}

}  // namespace kovra::model
