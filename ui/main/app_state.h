#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QFont>
#include <memory>
#include <vector>

#include "app/app_context.h"
#include "app/base_forms.h"
#include "app/companions.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"
#include "ui/controls/schemes.h"
#include "ui/setup/window_services.h"

namespace vokabi::ui {

// The shared objects start-up makes and owns for the life of the program; the windows read them.
struct AppState {
  explicit AppState(AppContext& context) : Context(context) {}

  AppContext& Context;  // the settings, the interface language, the message object, the store
  std::unique_ptr<MakeCrypto> AppCrypto;
  std::vector<std::unique_ptr<Dictionary>> Dictionaries;  // DictionaryCount = size()
  SchemeColours Colours;                                  // of the Style setting
  QFont FontLarge;                                        // UseFont, 12 points
  QFont FontSmall;                                        // UseFont, 10 points
  std::unique_ptr<BaseForms> Forms;                    // base forms of missed words; none without
  std::unique_ptr<Companions> BaseCompanions;          // what the bases' companion files answer
  WindowServices Services = WindowServices::System();  // a test's stand-ins in a test
};

}  // namespace vokabi::ui
