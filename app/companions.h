#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "app/companion.h"
#include "app/lookup_shortcuts.h"
#include "engine/dictionary.h"

namespace vokabi {

// The companion files of a program's loaded bases, each opened at its base's first lookup.
class Companions {
 public:
  // The Hunspell dictionaries are looked for in these folders, as BaseForms looks.
  explicit Companions(std::vector<std::filesystem::path> spellingFolders)
      : folders_(std::move(spellingFolders)) {}

  // The shortcuts of the dictionary's companion; none when it has none that belongs.
  LookupShortcuts For(const Dictionary& dictionary);

 private:
  std::vector<std::filesystem::path> folders_;
  std::map<const Dictionary*, std::unique_ptr<Companion>> opened_;
};

}  // namespace vokabi
