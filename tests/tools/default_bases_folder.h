#pragma once

#include <filesystem>

namespace vokabi::test {

// Fills FOLDER with the six default bases and their companions as scripts/bases builds them, beside
// a link to vkb. A test run builds them once (the folder VOKABI_BASES names) and each test program
// copies them in, so that scripts/bases only finds them up to date; without that, it builds them
// here. Returns whether scripts/bases succeeded; its output is in FOLDER/bases.log.
bool FillWithDefaultBases(const std::filesystem::path& folder, const char* vkb,
                          const char* bases_script);

}  // namespace vokabi::test
