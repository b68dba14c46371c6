#include "app/base_discovery.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/install_dirs.h"
#include "app/installed_files.h"
#include "tests/support/temp_folder.h"

namespace vokabi {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& file) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "x";
}

// The program's folder, the user's and two of the system's, as the program reads them in turn.
TEST(BaseDiscoveryTest, FoldersAreSortedTogetherAndTheFirstOfANameWins) {
  test::TempFolder root;
  const fs::path program = root / "bin", user = root / "data/vokabi", local = root / "local/vokabi",
                 system = root / "share/vokabi";
  for (const char* name : {"enbg.vkb", "zz.vkb"}) Touch(program / name);
  for (const char* name : {"enbg.vkb", "Debg.vkb", "mine.VKB", "notes.txt"}) Touch(user / name);
  for (const char* name : {"debg.vkb", "enbg.vkb", "rubg.vkb", "a.vkbx"}) Touch(system / name);
  fs::create_directories(system / "frbg.vkb");

  const std::vector<fs::path> found = FindBases({program, user, root / "missing", local, system});
  // Names differing in case are different files, sorted as one folder's are.
  EXPECT_EQ(found,
            (std::vector<fs::path>{user / "Debg.vkb", system / "debg.vkb", program / "enbg.vkb",
                                   user / "mine.VKB", system / "rubg.vkb", program / "zz.vkb"}));
  EXPECT_TRUE(FindBases({}).empty());
  EXPECT_TRUE(FindBases({root / "missing"}).empty());
}

TEST(BaseDiscoveryTest, HandbookBesideTheProgramElseInstalled) {
  test::TempFolder root;
  const fs::path program = root / "usr/bin";
  const fs::path installed = (program / kDocFolderFromProgram / "handbook.html").lexically_normal();
  EXPECT_EQ(installed, root / "usr/share/doc/vokabi/handbook.html");
  fs::create_directories(program);
  // Neither: the one beside the program, which the user's desktop then reports missing.
  EXPECT_EQ(HandbookFile(program), program / "handbook.html");
  Touch(installed);
  EXPECT_EQ(HandbookFile(program), installed);
  Touch(program / "handbook.html");
  EXPECT_EQ(HandbookFile(program), program / "handbook.html");
}

}  // namespace
}  // namespace vokabi
