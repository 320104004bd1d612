#include <utility>

#include "tests/model/model_cabrillo.h"
#include "tests/model/reference_model.h"

namespace kovra::model {
namespace {

std::string PaddedKey(std::string text) {
  while (text.size() < 20) text = "0" + text;
  return text;
}

// Bytes as unsigned values; a text that begins a longer one is the lesser.
bool Less(const std::string& a, const std::string& b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

std::string ModeCode(const std::string& mode) {
  if (mode == "CW") return "CW";
  if (mode == "SSB") return "PH";
  return "PM";
}

}  // namespace

void ReferenceModel::SortBands() {
  for (std::size_t i = 0; i + 1 < bands_.size(); ++i) {
    for (std::size_t j = i + 1; j < bands_.size(); ++j) {
      if (Less(PaddedKey(bands_[i]), PaddedKey(bands_[j]))) std::swap(bands_[i], bands_[j]);
    }
  }
}

void ReferenceModel::AppendBandRows(std::size_t n, int& pointTotal) {
  for (const std::string& band : bands_) {
    int count = 0;
    for (std::size_t i = 0; i < n; ++i) {
      if (contacts_[i].band == band && !contacts_[i].call.empty()) ++count;
    }
    resultText_ += band + "\t " + std::to_string(count) + "\t " + std::to_string(count) + "\r\n";
    pointTotal += count;
  }
}

void ReferenceModel::WriteCabrilloFile(std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const ModelContact& c = contacts_[i];
    AddQsoLine(settings_, {c.call, c.freqKHz, ModeCode(c.mode), c.time, c.rstSent, c.exchgSent,
                           c.rstRcvd, c.exchgRcvd});
  }
  const std::string message = WriteCabrilloLog(settings_, claimedScore_, platform_);
  platform_.ShowMessage({message, "Output", true, true});
}

const char* ReferenceModel::GetResult(int* score) {
  resultText_.clear();
  const std::size_t n = contacts_.size();
  resultText_ +=
      "VELMORA " + titleDate_ + " \r\n     Contestant: " + callsign_ + "\r\nBand\tQSOs\tPoints\r\n";
  SortBands();
  int pointTotal = 0;
  AppendBandRows(n, pointTotal);
  resultText_ += "Total\t " + std::to_string(n) + "\t " + std::to_string(pointTotal) + "\r\n";
  claimedScore_ = pointTotal;
  if (score != nullptr) *score = pointTotal;
  platform_.WriteProfileString("Settings", "Claimed", std::to_string(pointTotal),
                               "Plugins\\KOVRA.ini");
  resultText_ += "\r\nScore: " + std::to_string(pointTotal) + "\r\n";
  if (reportFlag_ != 0) {
    WriteCabrilloFile(n);
    if (score != nullptr) *score = -1;
  }
  if (!modeSent_) SetHostMode();
  return resultText_.c_str();
}

}  // namespace kovra::model
