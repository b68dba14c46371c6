#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "app/base_forms.h"
#include "app/companion.h"
#include "app/error_class.h"
#include "app/lookup_shortcuts.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"

namespace vokabi::vkb {

// One base loaded the way the program loads it: its folder as the application folder, its file
// name given to Initialize, the platform's case rules.
class Session {
 public:
  // False when the base does not load; Errors() then holds the load's message.
  bool Open(const std::string& basePath, IndexLoad load = IndexLoad::kWhole);

  ErrorClass& Errors() { return errors_; }
  // The interface language of the message texts: 0 Bulgarian … 6 Russian.
  void SetLanguage(int language) { language_ = InterfaceLanguage::At(language * 1000); }
  const InterfaceLanguage& Language() const { return language_; }
  Dictionary& Dic() { return *dictionary_; }
  // Whether a lookup that misses looks for base forms and near misses.
  void SetExact(bool exact) { exact_ = exact; }
  bool Exact() const { return exact_; }
  // The base forms from the Hunspell dictionaries beside the base or on the system.
  BaseForms& Forms();
  // The base's companion file, opened at the first lookup; none when it does not belong.
  LookupShortcuts Shortcuts();

 private:
  bool exact_ = false;
  std::unique_ptr<BaseForms> forms_;
  std::unique_ptr<Companion> companion_;
  bool companionTried_ = false;
  std::filesystem::path folder_;
  std::filesystem::path path_;
  InterfaceLanguage language_;
  ErrorClass errors_{language_};
  MakeCrypto crypto_{errors_};
  std::unique_ptr<Dictionary> dictionary_;
};

}  // namespace vokabi::vkb
