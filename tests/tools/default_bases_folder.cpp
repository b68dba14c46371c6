#include "tests/tools/default_bases_folder.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace vokabi::test {

namespace fs = std::filesystem;

bool FillWithDefaultBases(const fs::path& folder, const char* vkb, const char* bases_script) {
  fs::create_symlink(vkb, folder / "vkb");
  if (const char* built = std::getenv("VOKABI_BASES")) {
    for (const char* name : {"enbg", "debg", "frbg", "itbg", "esbg", "rubg"}) {
      for (const char* extension : {".vkb", ".vkbx"}) {
        // A copy is newer than vkb; one missing is built by scripts/bases.
        std::error_code ignored;
        fs::copy_file(fs::path(built) / (std::string(name) + extension),
                      folder / (std::string(name) + extension), ignored);
      }
    }
  }
  const std::string command = std::string("bash '") + bases_script + "' '" + folder.string() +
                              "' > '" + (folder / "bases.log").string() + "' 2>&1";
  return std::system(command.c_str()) == 0;
}

}  // namespace vokabi::test
