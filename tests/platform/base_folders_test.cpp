#include "platform/base_folders.h"

#include <gtest/gtest.h>

#include "tests/support/config_home.h"

namespace vokabi::platform {
namespace {

using Folders = std::vector<std::filesystem::path>;

TEST(BaseFoldersTest, ProgramThenUserThenEachSystemFolder) {
  test::ConfigHome home;
  const std::filesystem::path user = home.Data() / "vokabi";
  {
    // A relative entry is left out, a folder named twice read once, the program's folder first.
    test::ScopedVariable dirs("XDG_DATA_DIRS", "/opt/share:relative/share:/usr/share/:/usr/share");
    EXPECT_EQ(BaseFolders("/opt/vokabi"),
              (Folders{"/opt/vokabi", user, "/opt/share/vokabi", "/usr/share/vokabi"}));
    // An installed program's folder holds no bases but is still asked first.
    EXPECT_EQ(BaseFolders("/usr/bin").front(), "/usr/bin");
    EXPECT_EQ(BaseFolders(""), (Folders{user, "/opt/share/vokabi", "/usr/share/vokabi"}));
  }
  {
    // Unset or empty, the XDG rules' default.
    test::ScopedVariable dirs("XDG_DATA_DIRS", "");
    EXPECT_EQ(BaseFolders("/opt/vokabi"),
              (Folders{"/opt/vokabi", user, "/usr/local/share/vokabi", "/usr/share/vokabi"}));
  }
  {
    // Without XDG_DATA_HOME the user's folder is below the home folder.
    test::ScopedVariable data("XDG_DATA_HOME", "relative");
    test::ScopedVariable homeFolder("HOME", "/home/someone");
    test::ScopedVariable dirs("XDG_DATA_DIRS", "/usr/share");
    EXPECT_EQ(BaseFolders("/opt/vokabi"),
              (Folders{"/opt/vokabi", "/home/someone/.local/share/vokabi", "/usr/share/vokabi"}));
  }
}

}  // namespace
}  // namespace vokabi::platform
