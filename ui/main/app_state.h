#pragma once

#include <QFont>
#include <memory>
#include <vector>

#include "app/base_forms.h"
#include "app/companions.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"
#include "ui/controls/schemes.h"

namespace vokabi::ui {

// The shared objects start-up makes and owns for the life of the program; the windows read them.
struct AppState {
  std::unique_ptr<MakeCrypto> AppCrypto;
  std::vector<std::unique_ptr<Dictionary>> Dictionaries;  // DictionaryCount = size()
  SchemeColours Colours;                                  // of the Style setting
  QFont FontLarge;                                        // UseFont, 12 points
  QFont FontSmall;                                        // UseFont, 10 points
  std::unique_ptr<BaseForms> Forms;            // base forms of missed words; none without
  std::unique_ptr<Companions> BaseCompanions;  // what the bases' companion files answer
};

}  // namespace vokabi::ui
