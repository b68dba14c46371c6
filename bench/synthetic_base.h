#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vokabi::bench {

// A base of made-up words, as large as a big real dictionary: Latin headwords on side 1,
// Cyrillic ones on side 2, short translations.
struct SyntheticBase {
  std::filesystem::path folder;
  std::string fileName;
  std::vector<std::string> words1;  // headwords as written, single-byte
  std::vector<std::string> words2;
};

// Writes the base once per process into a temporary folder.
const SyntheticBase& MakeSyntheticBase(int wordsPerSide);

}  // namespace vokabi::bench
