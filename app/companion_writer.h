#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vokabi {

struct CompanionReport {
  std::uint64_t bytes = 0;
  std::size_t forms[2] = {0, 0};  // missed words that lead to a headword, per side
  std::string languages[2];       // whose Hunspell dictionary gave them, empty for none
};

// Writes the companion file beside the base at `base` (enbg.vkb → enbg.vkbx): the headwords of
// each side, the word forms of each side's Hunspell dictionary (from the folders the program
// searches) that lead to a headword, and the deletion variants for the near-miss search. False
// with a reason when it cannot; the base works without it.
bool WriteCompanion(const std::filesystem::path& base, CompanionReport* report, std::string* error);

// Writes the bytes beside the target and renames them over it: the target is whole or untouched.
bool WriteAtomically(const std::filesystem::path& target, const std::string& bytes,
                     std::string* error);

}  // namespace vokabi
