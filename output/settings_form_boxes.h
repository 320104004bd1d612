#pragma once
// The station settings form's one table: every box with its id, label, kind and
// place in the settings file, and the combo lists. The record, the settings file,
// the dialog, the terminal form and the tests are derived from it. Plain macros,
// so that the resource script (the dialog template) reads the ids and labels too.

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

#define KOVRA_LABEL_CONTEST "CONTEST"
#define KOVRA_LABEL_CALLSIGN "CALLSIGN"
#define KOVRA_LABEL_CLAIMED "CLAIMED"
#define KOVRA_LABEL_CATEGORY_OPERATOR "CATEGORY-OPERATOR"
#define KOVRA_LABEL_CATEGORY_BAND "CATEGORY-BAND"
#define KOVRA_LABEL_CATEGORY_POWER "CATEGORY-POWER"
#define KOVRA_LABEL_CATEGORY_OVERLAY "CATEGORY-OVERLAY"
#define KOVRA_LABEL_LOCATION "LOCATION"
#define KOVRA_LABEL_NAME "NAME"
#define KOVRA_LABEL_ADDRESS "ADDRESS"
#define KOVRA_LABEL_OPERATORS "OPERATORS"
#define KOVRA_LABEL_CLUB "CLUB"
#define KOVRA_LABEL_SOAPBOX "SOAPBOX"
#define KOVRA_LABEL_EMAIL "E-MAIL"

// BOX(name of the form's text and of the record's field, box id, label, kind,
//     read back into the record on OK, key in the settings file (null: none),
//     place among the keys an OK writes (0: not written there),
//     what each settings step offers in it),
// top to bottom as the form shows them. Offers: the file's value under the key
// (Stored), else the reset's callsign (StoredOrCallsign); the reset's callsign;
// a fixed text; the record's value from the last OK (Kept).
#define KOVRA_SETTINGS_BOXES(BOX)                                                                 \
  BOX(contest, IDC_CONTEST, KOVRA_LABEL_CONTEST, kEdit, true, "Contest", 5, Fixed("Velmora"))     \
  BOX(callsign, IDC_CALLSIGN, KOVRA_LABEL_CALLSIGN, kEdit, true, nullptr, 0, Callsign())          \
  BOX(claimed, IDC_CLAIMED, KOVRA_LABEL_CLAIMED, kEdit, false, "Claimed", 0, Stored())            \
  BOX(categoryOperator, IDC_CATEGORY_OPERATOR, KOVRA_LABEL_CATEGORY_OPERATOR, kCombo, true,       \
      "Category", 4, Fixed("A4.BPSK63"))                                                          \
  BOX(categoryBand, IDC_CATEGORY_BAND, KOVRA_LABEL_CATEGORY_BAND, kCombo, true, nullptr, 0,       \
      Fixed("ALL"))                                                                               \
  BOX(categoryPower, IDC_CATEGORY_POWER, KOVRA_LABEL_CATEGORY_POWER, kCombo, true, nullptr, 0,    \
      Fixed("HIGH"))                                                                              \
  BOX(categoryOverlay, IDC_CATEGORY_OVERLAY, KOVRA_LABEL_CATEGORY_OVERLAY, kCombo, true, nullptr, \
      0, Kept())                                                                                  \
  BOX(location, IDC_LOCATION, KOVRA_LABEL_LOCATION, kEdit, false, nullptr, 0, Kept())             \
  BOX(name, IDC_NAME, KOVRA_LABEL_NAME, kEdit, true, "Name", 2, Stored())                         \
  BOX(address, IDC_ADDRESS, KOVRA_LABEL_ADDRESS, kMultiLine, true, "Address", 3, Stored())        \
  BOX(operators, IDC_OPERATORS, KOVRA_LABEL_OPERATORS, kEdit, true, "Operators", 1,               \
      StoredOrCallsign())                                                                         \
  BOX(club, IDC_CLUB, KOVRA_LABEL_CLUB, kEdit, true, "Club", 7, Stored())                         \
  BOX(soapbox, IDC_SOAPBOX, KOVRA_LABEL_SOAPBOX, kMultiLine, true, "SoapBox", 8, Stored())        \
  BOX(email, IDC_EMAIL, KOVRA_LABEL_EMAIL, kEdit, true, "Email", 6, Stored())

// ITEM(box id, the text's length with its terminating zero, the text and that zero),
// in the order the list resource stores them.
#define KOVRA_COMBO_ITEMS(ITEM)                     \
  ITEM(IDC_CATEGORY_OPERATOR, 13, "A4. BPSK 63.\0") \
  ITEM(IDC_CATEGORY_OPERATOR, 1, "\0")              \
  ITEM(IDC_CATEGORY_BAND, 4, "ALL\0")               \
  ITEM(IDC_CATEGORY_BAND, 4, "160\0")               \
  ITEM(IDC_CATEGORY_BAND, 3, "80\0")                \
  ITEM(IDC_CATEGORY_POWER, 5, "HIGH\0")             \
  ITEM(IDC_CATEGORY_POWER, 4, "LOW\0")              \
  ITEM(IDC_CATEGORY_OVERLAY, 3, "SO\0")             \
  ITEM(IDC_CATEGORY_OVERLAY, 6, "SO160\0")          \
  ITEM(IDC_CATEGORY_OVERLAY, 5, "SO80\0")           \
  ITEM(IDC_CATEGORY_OVERLAY, 5, "MOST\0")
