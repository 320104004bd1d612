#pragma once
// The plug-in's exports as the host calls them: cdecl, 4-byte slots, 8-byte
// doubles, and the host's date-time passed by pointer.
#include "platform/ole_date.h"

namespace kovra::host {

using Text = const char*;
using Date = const OleDate*;

using SetupSetFn = void (*)();
using GetNumberOfSetsFn = int (*)();
using GetSetNameFn = const char* (*)(int);
using ResetStatsFn = int (*)(Text, int, Text, Date, Date, Text, Text, Text, Text, Text, Text,
                             Text, Text, Text, Text, int, int, int, double, double, Text, Text,
                             Text);
using ContactFn = int (*)(Text, Text, Date, Date, Date, Date, unsigned, unsigned, Text, Text, Text,
                          Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text,
                          int, int, int, double, double, Text, Text, Text, Text, Text);
using CheckCallFn = int (*)(Text, unsigned, unsigned, Text, Text, Text, Text, Text, Text, Text,
                            Text, Text, Text, Text, int, int, int, double, double, Text, Text, Text,
                            Text, Text, Text, Text, char*, char*);
using IsValidExchgFn = int (*)(Text, Text, Text, Text, int, int, int);
using GetExchgCountFn = int (*)(Text, Text, Text);
using GetResultFn = const char* (*)(int*);

// Both names the host may resolve for each function.
struct ExportNames {
  const char* decorated;
  const char* plain;
};

constexpr ExportNames kExportNames[] = {
    {"?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z", "AddData0"},
    {"?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z", "CheckCall0"},
    {"?GetNumberOfSets@@YAHXZ", "GetNumberOfSets"},
    {"?GetResult0@@YAPBDPAH@Z", "GetResult0"},
    {"?GetSetName@@YAPBDH@Z", "GetSetName"},
    {"?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z", "RemoveData0"},
    {"?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z", "ResetStats0"},
    {"?SetupSet0@@YAXXZ", "SetupSet0"},
    {"?StatsGetExchgCount0@@YAHPBD00@Z", "GetExchgCount0"},
    {"?StatsIsValidExchg0@@YAHPBD000HHH@Z", "IsValidExchg0"},
};

// One contact as the host describes it; the positions the plug-in reads.
struct ContactArgs {
  Text call = "";
  OleDate time;
  unsigned freqHz = 0;
  Text mode = "";
  Text rstSent = "";
  Text rstRcvd = "";
  Text exchgSent = "";
  Text exchgRcvd = "";
  Text prefix = "";
  Text extra = "";
  Text band = "";
};

// The resolved exports, called with every position the plug-in does not read
// left null, as a host may.
class PluginCalls {
 public:
  SetupSetFn setupSet = nullptr;
  GetNumberOfSetsFn getNumberOfSets = nullptr;
  GetSetNameFn getSetName = nullptr;
  ResetStatsFn resetStats = nullptr;
  ContactFn addData = nullptr;
  ContactFn removeData = nullptr;
  CheckCallFn checkCall = nullptr;
  IsValidExchgFn isValidExchg = nullptr;
  GetExchgCountFn getExchgCount = nullptr;
  GetResultFn getResult = nullptr;

  int ResetStats(int reportFlag, Text callsign, const OleDate& titleDate) const {
    return resetStats(nullptr, reportFlag, callsign, nullptr, &titleDate, nullptr, nullptr,
                      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                      0, 0.0, 0.0, nullptr, nullptr, nullptr);
  }
  int AddData(const ContactArgs& c) const { return CallContact(addData, c); }
  int RemoveData(const ContactArgs& c) const { return CallContact(removeData, c); }
  int CheckCall(Text call, Text mode, Text prefix, Text region, Text band, char* message) const {
    return checkCall(call, 0, 0, mode, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, prefix, 0, 0, 0, 0.0, 0.0, nullptr, nullptr,
                     nullptr, nullptr, region, band, nullptr, nullptr, message);
  }

 private:
  static int CallContact(ContactFn fn, const ContactArgs& c) {
    return fn(nullptr, c.call, &c.time, nullptr, nullptr, nullptr, 0, c.freqHz, c.mode, c.rstSent,
              c.rstRcvd, c.exchgSent, c.exchgRcvd, nullptr, nullptr, nullptr, nullptr, nullptr,
              nullptr, nullptr, nullptr, nullptr, c.prefix, 0, 0, 0, 0.0, 0.0, nullptr, c.extra,
              nullptr, c.band, nullptr);
  }
};

}  // namespace kovra::host
