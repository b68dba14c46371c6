#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vokabi::bench {

// The default bases scripts/bases builds from Debian's FreeDict databases; start-up loads them all.
inline constexpr std::array<const char*, 4> kFreeDictBases = {"enbg.vkb", "debg.vkb", "frbg.vkb",
                                                              "itbg.vkb"};

// Where to look for them: $VOKABI_BASES, else the program's folder of this build.
std::filesystem::path FreeDictFolder();
// False, saying on standard output that their benchmarks are skipped, when one is missing.
bool FreeDictBasesPresent(const std::filesystem::path& folder);

// The headwords of a deciphered index text, as stored, split by side.
struct Headwords {
  std::vector<std::string> side1;
  std::vector<std::string> side2;
};
Headwords IndexHeadwords(std::string_view text, std::int32_t section2Start);

}  // namespace vokabi::bench
