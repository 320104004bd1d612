#pragma once
// The settings form's labels and combo lists, read by the resource script (the
// dialog) and by the native replay's terminal form alike: plain macros, so that
// both the resource compiler and C++ take them.
#include "resource.h"

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

// ITEM(box id, the text's length with its terminating zero, the text and that zero),
// in the order the list resource stores them.
#define KOVRA_COMBO_ITEMS(ITEM)                      \
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
