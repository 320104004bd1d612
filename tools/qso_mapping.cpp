#include "tools/qso_mapping.h"

#include "platform/ascii_text.h"
#include "platform/cp1251_utf8.h"
#include "tools/band_plan.h"
#include "tools/country_prefix.h"

namespace kovra::replay {
namespace {

std::string_view Field(const AdifRecord& record, std::string_view name) {
  const std::string* value = record.Find(name);
  return value ? std::string_view(*value) : std::string_view();
}

// A serial number is sent as at least three digits; other text goes as it is.
std::string Serial(std::string_view number) {
  const std::string_view trimmed = Trim(number);
  if (!AllDigits(trimmed) || trimmed.size() >= 3) return std::string(number);
  return std::string(3 - trimmed.size(), '0') + std::string(trimmed);
}

std::string ExchangeReceived(const AdifRecord& record) {
  const std::string_view text = Field(record, "SRX_STRING");
  if (!text.empty()) return std::string(text);
  const std::string_view serial = Field(record, "SRX");
  const std::string_view state = Field(record, "STATE");
  if (serial.empty()) return std::string();
  return state.empty() ? Serial(serial) : Serial(serial) + " " + std::string(state);
}

int Number(std::string_view digits) {
  int n = 0;
  for (const char c : digits) n = n * 10 + (c - '0');
  return n;
}

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

Phrase WhyNoFrequency(const std::string* freq, FreqReading::Status status) {
  if (!freq) return {ReplayText::NoFreq, {}};
  if (status == FreqReading::Above32Bits) {
    return {ReplayText::FreqAbove32Bits, {Cp1251ToUtf8(*freq), kMaxFreqMHz}};
  }
  return {ReplayText::FreqNotNumber, {Cp1251ToUtf8(*freq)}};
}

void MapFrequencyAndBand(const AdifRecord& record, QsoContact& contact) {
  const std::string* freq = record.Find("FREQ");
  const FreqReading reading = freq ? ParseFreqMHz(*freq) : FreqReading();
  const std::string_view band = Field(record, "BAND");
  contact.band = band.empty() ? BandOfFrequency(reading.hz) : BandFromAdif(band);
  if (reading.status == FreqReading::Hz) {
    contact.freqHz = reading.hz;
  } else if (const auto edge = BandLowerEdge(contact.band)) {
    contact.freqHz = *edge;
    contact.notes.push_back(
        {WhyNoFrequency(freq, reading.status),
         {ReplayText::SentBandEdge, {std::to_string(*edge / 1000), contact.band}}});
  } else {
    contact.notes.push_back({WhyNoFrequency(freq, reading.status), {ReplayText::SentZeroHz, {}}});
  }
  if (contact.band.empty()) contact.notes.push_back({{ReplayText::NoBand, {}}});
}

// ADIF's names are case-insensitive; USB and LSB name the sideband of SSB, not a mode.
std::string Mode(const AdifRecord& record) {
  const std::string mode = Upper(Trim(Field(record, "MODE")));
  const std::string submode = Upper(Trim(Field(record, "SUBMODE")));
  return mode == "SSB" || submode.empty() ? mode : submode;
}

}  // namespace

OleDate QsoTime(const std::string* date, const std::string* time) {
  const OleDate invalid{0.0, OleDate::Invalid};
  if (!date || !time || date->size() != 8 || !AllDigits(*date) || !AllDigits(*time)) return invalid;
  if (time->size() != 4 && time->size() != 6) return invalid;
  const std::string_view d(*date);
  const std::string_view t(*time);
  const int year = Number(d.substr(0, 4)), month = Number(d.substr(4, 2)),
            day = Number(d.substr(6));
  const int hour = Number(t.substr(0, 2)), minute = Number(t.substr(2, 2));
  const int second = t.size() == 6 ? Number(t.substr(4)) : 0;
  if (year < 100 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return invalid;
  }
  if (hour > 23 || minute > 59 || second > 59) return invalid;
  return MakeOleDate(year, month, day, hour, minute, second);
}

QsoContact MapRecord(const AdifRecord& record) {
  QsoContact c;
  c.record = record.number;
  c.call = std::string(Trim(Field(record, "CALL")));
  if (c.call.empty()) c.notes.push_back({{ReplayText::NoCall, {}}});
  c.time = QsoTime(record.Find("QSO_DATE"), record.Find("TIME_ON"));
  if (c.time.status != OleDate::Valid) {
    c.notes.push_back({{ReplayText::InvalidTime, {}}});
  }
  MapFrequencyAndBand(record, c);
  c.mode = Mode(record);
  c.rstSent = std::string(Field(record, "RST_SENT"));
  c.rstRcvd = std::string(Field(record, "RST_RCVD"));
  const std::string_view sentText = Field(record, "STX_STRING");
  c.exchgSent = sentText.empty() ? Serial(Field(record, "STX")) : std::string(sentText);
  c.exchgRcvd = ExchangeReceived(record);
  c.prefix = CountryPrefix(Field(record, "DXCC"), c.call);
  if (!record.ended) c.notes.push_back({{ReplayText::CutOff, {}}});
  return c;
}

host::ContactArgs QsoContact::Args() const {
  host::ContactArgs a;
  a.call = call.c_str();
  a.time = time;
  a.freqHz = freqHz;
  a.mode = mode.c_str();
  a.rstSent = rstSent.c_str();
  a.rstRcvd = rstRcvd.c_str();
  a.exchgSent = exchgSent.c_str();
  a.exchgRcvd = exchgRcvd.c_str();
  a.prefix = prefix.c_str();
  a.extra = extra.c_str();
  a.band = band.c_str();
  return a;
}

}  // namespace kovra::replay
