#pragma once
// Ids shared by the resource script and the code that runs the station settings form.

#define IDD_STATION_SETTINGS 101
#define RT_DIALOG_INIT 240  // combo lists of a dialog, as add-string records

#define IDC_SOAPBOX 1001
#define IDC_ADDRESS 1002
#define IDC_EMAIL 1004
#define IDC_CLUB 1005
#define IDC_OPERATORS 1006
#define IDC_NAME 1007
#define IDC_CLAIMED 1008
#define IDC_CONTEST 1009
#define IDC_CALLSIGN 1010
#define IDC_CATEGORY_OPERATOR 1013
#define IDC_CATEGORY_BAND 1014
#define IDC_CATEGORY_POWER 1015
#define IDC_CATEGORY_OVERLAY 1016
#define IDC_LOCATION 1018
