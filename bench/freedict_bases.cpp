#include "bench/freedict_bases.h"

#include <cstdio>
#include <cstdlib>

namespace vokabi::bench {

std::filesystem::path FreeDictFolder() {
  const char* chosen = std::getenv("VOKABI_BASES");
  return chosen != nullptr && *chosen != '\0' ? chosen : VOKABI_PROGRAM_DIR;
}

bool FreeDictBasesPresent(const std::filesystem::path& folder) {
  for (const char* name : kFreeDictBases) {
    if (!std::filesystem::is_regular_file(folder / name)) {
      std::printf(
          "FreeDict bases not in %s (scripts/bases %s builds them): their benchmarks skipped\n",
          folder.c_str(), folder.c_str());
      return false;
    }
  }
  return true;
}

Headwords IndexHeadwords(std::string_view text, std::int32_t section2Start) {
  Headwords words;
  // Entries are "#headword$" and six locator bytes, back to back.
  for (std::size_t pos = 0; pos < text.size() && text[pos] == '#';) {
    const std::size_t dollar = text.find('$', pos + 1);
    if (dollar == std::string_view::npos) break;
    const bool side2 = static_cast<std::int64_t>(pos) + 1 >= section2Start;
    (side2 ? words.side2 : words.side1).emplace_back(text.substr(pos + 1, dollar - pos - 1));
    pos = dollar + 7;
  }
  return words;
}

}  // namespace vokabi::bench
