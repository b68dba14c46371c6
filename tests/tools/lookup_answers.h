#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/base_forms.h"
#include "app/companion.h"
#include "app/error_class.h"
#include "app/lookup_help.h"
#include "app/system_case_map.h"
#include "engine/dictionary.h"
#include "platform/spelling_folders.h"

namespace vokabi::test {

// Everything TranslateWithHelp answers.
struct Answer {
  bool found = false;
  std::int32_t message = 0;
  std::string duma, prevod;
  std::int32_t position = 0;
  int wordCharset = 0;
  bool baseForm = false;
  std::string missed;
  std::vector<std::string> suggestions;
  std::vector<std::int32_t> suggestionPositions;

  bool operator==(const Answer&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Answer& a) {
  out << a.found << " message " << a.message << " " << a.duma << " @" << a.position
      << (a.baseForm ? " via form of " + a.missed : "") << " [";
  for (std::size_t i = 0; i < a.suggestions.size(); ++i) {
    out << a.suggestions[i] << "@"
        << (i < a.suggestionPositions.size() ? a.suggestionPositions[i] : -1) << ",";
  }
  return out << "]";
}

// One base loaded as the program loads it, its misses helped by the Hunspell dictionaries the
// program finds, with or without its companion file's shortcuts.
class Lookups {
 public:
  Lookups(const std::filesystem::path& base, IndexLoad load, bool companion)
      : dictionary_(crypto_, errors_, base.parent_path(), SystemCaseMap),
        forms_(platform::SpellingFolders(base.parent_path())) {
    loaded_ = dictionary_.Initialize(base.filename().string(), load);
    if (loaded_ && companion)
      companion_ =
          Companion::Open(dictionary_, base, platform::SpellingFolders(base.parent_path()));
  }
  bool Loaded() const { return loaded_; }
  Companion* Shortcuts() { return companion_.get(); }
  Dictionary& Dic() { return dictionary_; }

  Answer Ask(const std::string& word, bool suggest = true) {
    errors_.Clear();
    LookupHelp help;
    Answer a;
    a.found = TranslateWithHelp(dictionary_, errors_, &forms_, word, suggest, &help,
                                companion_ ? companion_->Shortcuts() : LookupShortcuts{});
    a.message = errors_.Nomer();
    if (a.found) {
      a.duma = dictionary_.Duma();
      a.prevod = dictionary_.Prevod();
      a.position = dictionary_.PredniDumi();
      a.wordCharset = dictionary_.DumaCHSet();
    }
    a.baseForm = help.baseForm;
    a.missed = help.missed;
    a.suggestions = help.suggestions;
    a.suggestionPositions = help.suggestionPositions;
    return a;
  }

 private:
  ErrorClass errors_;
  MakeCrypto crypto_{errors_};
  Dictionary dictionary_;
  BaseForms forms_;
  std::unique_ptr<Companion> companion_;
  bool loaded_ = false;
};

}  // namespace vokabi::test
