#include "app/companions.h"

namespace vokabi {

LookupShortcuts Companions::For(const Dictionary& dictionary) {
  auto known = opened_.find(&dictionary);
  if (known == opened_.end()) {
    known = opened_.emplace(&dictionary, Companion::Open(dictionary, dictionary.Path(), folders_))
                .first;
  }
  return known->second ? known->second->Shortcuts() : LookupShortcuts{};
}

}  // namespace vokabi
