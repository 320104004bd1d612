#pragma once
// The host's entry points, with the argument layouts it calls them with (cdecl).
// Each is exported a second time under its decorated name (see kovra.def).
#include "platform/ole_date.h"

extern "C" {
using KText = const char*;
using KDate = const kovra::OleDate*;

void SetupSet0();
int GetNumberOfSets();
const char* GetSetName(int index);
int ResetStats0(KText, int reportFlag, KText callsign, KDate, KDate titleDate, KText, KText, KText,
                KText, KText, KText, KText, KText, KText, KText, int, int, int, double, double,
                KText, KText, KText);
int AddData0(KText, KText call, KDate time, KDate, KDate, KDate, unsigned, unsigned freqHz,
             KText mode, KText rstSent, KText rstRcvd, KText exchgSent, KText exchgRcvd, KText,
             KText, KText, KText, KText, KText, KText, KText, KText, KText prefix, int, int, int,
             double, double, KText, KText extra, KText, KText band, KText);
int RemoveData0(KText, KText call, KDate, KDate, KDate, KDate, unsigned, unsigned, KText mode,
                KText, KText, KText exchgSent, KText exchgRcvd, KText, KText, KText, KText, KText,
                KText, KText, KText, KText, KText, int, int, int, double, double, KText, KText,
                KText, KText band, KText);
int CheckCall0(KText call, unsigned, unsigned, KText mode, KText, KText, KText, KText, KText,
               KText, KText, KText, KText, KText prefix, int, int, int, double, double, KText,
               KText, KText, KText, KText region, KText band, KText, char*, char* message);
int IsValidExchg0(KText exchange, KText, KText, KText, int, int, int);
int GetExchgCount0(KText, KText, KText);
const char* GetResult0(int* score);
}
