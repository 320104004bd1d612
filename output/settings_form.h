#pragma once
#include <string>

#include "output/settings_form_boxes.h"

namespace kovra {

// The texts of the station settings form's boxes, one per box.
struct SettingsForm {
#define KOVRA_FORM_TEXT(name, ...) std::string name;
  KOVRA_SETTINGS_BOXES(KOVRA_FORM_TEXT)
#undef KOVRA_FORM_TEXT
};

enum class BoxKind { kEdit, kMultiLine, kCombo };

// One box of the form, as its table row gives it.
struct SettingsBox {
  std::string SettingsForm::*text;
  int id;
  const char* label;
  BoxKind kind;
  bool readBack;
  const char* key;  // in the settings file; null when the box has none
};

constexpr SettingsBox kSettingsBoxes[] = {
#define KOVRA_SETTINGS_BOX(name, id, label, kind, readBack, key, ...) \
  {&SettingsForm::name, id, label, BoxKind::kind, readBack, key},
    KOVRA_SETTINGS_BOXES(KOVRA_SETTINGS_BOX)
#undef KOVRA_SETTINGS_BOX
};

// How the operator ended the form.
enum FormEnd { kFormOk = 1, kFormCancel = 2 };

// Shows the form to the operator and waits for the answer: the DLL's dialog,
// a terminal or a test's script.
class SettingsFormRunner {
 public:
  virtual ~SettingsFormRunner() = default;
  // Returns the form's end code (kFormOk, kFormCancel, or what else ended it);
  // on OK the form holds the answers.
  virtual int Run(SettingsForm& form) = 0;
};

}  // namespace kovra
