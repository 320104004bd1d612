#pragma once
// The plug-in's exports as the host calls them: cdecl, 4-byte slots, 8-byte
// doubles, and the host's date-time passed by pointer. The DLL defines its
// exports from these types, and the loader and the .def file take the names
// from KOVRA_EXPORT_LIST.

// EXPORT(plain name, function type, decorated name, ordinal of the decorated
// name, ordinal of the plain name): the decorated names in their sorted order.
#define KOVRA_EXPORT_LIST(EXPORT)                                                                  \
  EXPORT(AddData0, ContactFn,                                                                      \
         "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z", 1, 11)             \
  EXPORT(CheckCall0, CheckCallFn, "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z", 2, 12) \
  EXPORT(GetNumberOfSets, GetNumberOfSetsFn, "?GetNumberOfSets@@YAHXZ", 3, 14)                     \
  EXPORT(GetResult0, GetResultFn, "?GetResult0@@YAPBDPAH@Z", 4, 15)                                \
  EXPORT(GetSetName, GetSetNameFn, "?GetSetName@@YAPBDH@Z", 5, 16)                                 \
  EXPORT(RemoveData0, ContactFn,                                                                   \
         "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z", 6, 18)          \
  EXPORT(ResetStats0, ResetStatsFn,                                                                \
         "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z", 7, 19)                    \
  EXPORT(SetupSet0, SetupSetFn, "?SetupSet0@@YAXXZ", 8, 20)                                        \
  EXPORT(GetExchgCount0, GetExchgCountFn, "?StatsGetExchgCount0@@YAHPBD00@Z", 9, 13)               \
  EXPORT(IsValidExchg0, IsValidExchgFn, "?StatsIsValidExchg0@@YAHPBD000HHH@Z", 10, 17)

// The .def file's generator reads the list above only.
#ifndef KOVRA_DEF_FILE
#include "platform/ole_date.h"

namespace kovra::host {

using Text = const char*;
using Date = const OleDate*;

using SetupSetFn = void();
using GetNumberOfSetsFn = int();
using GetSetNameFn = const char*(int);
using ResetStatsFn = int(Text, int, Text, Date, Date, Text, Text, Text, Text, Text, Text, Text,
                         Text, Text, Text, int, int, int, double, double, Text, Text, Text);
using ContactFn = int(Text, Text, Date, Date, Date, Date, unsigned, unsigned, Text, Text, Text,
                      Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, int,
                      int, int, double, double, Text, Text, Text, Text, Text);
using CheckCallFn = int(Text, unsigned, unsigned, Text, Text, Text, Text, Text, Text, Text, Text,
                        Text, Text, Text, int, int, int, double, double, Text, Text, Text, Text,
                        Text, Text, Text, char*, char*);
using IsValidExchgFn = int(Text, Text, Text, Text, int, int, int);
using GetExchgCountFn = int(Text, Text, Text);
using GetResultFn = const char*(int*);

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

// The resolved exports, each under its plain name, and calls of them with every
// position the plug-in does not read left null, as a host may.
class PluginCalls {
 public:
#define KOVRA_EXPORT_POINTER(name, Fn, ...) Fn* name = nullptr;
  KOVRA_EXPORT_LIST(KOVRA_EXPORT_POINTER)
#undef KOVRA_EXPORT_POINTER

  int ResetStats(int reportFlag, Text callsign, const OleDate& titleDate) const {
    return ResetStats0(nullptr, reportFlag, callsign, nullptr, &titleDate, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                       0, 0.0, 0.0, nullptr, nullptr, nullptr);
  }
  int AddData(const ContactArgs& c) const { return CallContact(AddData0, c); }
  int RemoveData(const ContactArgs& c) const { return CallContact(RemoveData0, c); }
  int CheckCall(Text call, Text mode, Text prefix, Text region, Text band, char* message) const {
    return CheckCall0(call, 0, 0, mode, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                      nullptr, nullptr, nullptr, prefix, 0, 0, 0, 0.0, 0.0, nullptr, nullptr,
                      nullptr, nullptr, region, band, nullptr, nullptr, message);
  }

 private:
  static int CallContact(ContactFn* fn, const ContactArgs& c) {
    return fn(nullptr, c.call, &c.time, nullptr, nullptr, nullptr, 0, c.freqHz, c.mode, c.rstSent,
              c.rstRcvd, c.exchgSent, c.exchgRcvd, nullptr, nullptr, nullptr, nullptr, nullptr,
              nullptr, nullptr, nullptr, nullptr, c.prefix, 0, 0, 0, 0.0, 0.0, nullptr, c.extra,
              nullptr, c.band, nullptr);
  }
};

}  // namespace kovra::host
#endif
