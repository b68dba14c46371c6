#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include "app/companion_format.h"
#include "engine/dictionary.h"

namespace vokabi {

// A side's roots table and exceptions table, being written.
struct FormTables {
  companion::SortedTableWriter roots;
  companion::SortedTableWriter exceptions;
  std::size_t forms = 0;  // missed words that lead to a headword
};

// The forms tables of a side of the base at `base` (loaded as `dictionary`), from the side
// language's Hunspell dictionary found in the folders; fills in the side's language, cover and
// Hunspell files. Every form the roots make is asked of Hunspell as a miss asks it, shared
// among as many workers as the machine has cores, each with a copy of the base of its own.
FormTables WriteFormTables(const std::filesystem::path& base, Dictionary& dictionary, int side,
                           const std::vector<std::filesystem::path>& folders,
                           companion::SideParts* parts);

}  // namespace vokabi
