#include "platform/autostart.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "platform/posix/desktop_entry.h"
#include "tests/support/config_home.h"

namespace vokabi::platform {
namespace {

std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StartCommandTest, QuotesOnlyAPathWithSpaces) {
  EXPECT_EQ(StartCommand("/opt/vokabi/vokabi"), "/opt/vokabi/vokabi /1");
  EXPECT_EQ(StartCommand("/home/me/My Programs/vokabi"), "\"/home/me/My Programs/vokabi\" /1");
}

TEST(DesktopEntryTest, ExecArgumentsFollowTheQuotingAndEscapeRules) {
  EXPECT_EQ(desktop::ExecArgument("/opt/vokabi/vokabi"), "/opt/vokabi/vokabi");
  EXPECT_EQ(desktop::ExecArgument("/a b/vokabi"), "\"/a b/vokabi\"");
  // Inside quotes ", `, $ and \ take a backslash; % is doubled with or without quotes.
  EXPECT_EQ(desktop::ExecArgument("/x/$HOME`\"\\y"), "\"/x/\\$HOME\\`\\\"\\\\y\"");
  EXPECT_EQ(desktop::ExecArgument("/100%/vokabi"), "/100%%/vokabi");
  // A literal backslash becomes four in the file: the value's escape over the quoting.
  const std::string entry = desktop::AutostartEntry("/a\\b/vokabi", "");
  EXPECT_NE(entry.find("Exec=\"/a\\\\\\\\b/vokabi\" /1\n"), std::string::npos) << entry;
  EXPECT_EQ(entry.find("Icon="), std::string::npos);
}

TEST(AutostartFileTest, WrittenWholeWithItsIconAndRemovedWithoutTrace) {
  test::ConfigHome home;
  const std::filesystem::path file = home.Path() / "autostart" / "vokabi.desktop";
  EXPECT_EQ(AutostartFile(), file);
  // Off when nothing is there: nothing happens.
  RemoveAutostartFile();
  EXPECT_FALSE(std::filesystem::exists(home.Path() / "autostart"));

  ASSERT_TRUE(WriteAutostartFile("/opt/My Vokabi/vokabi", "PNG bytes"));
  const std::filesystem::path icon = home.Data() / "icons/hicolor/64x64/apps/vokabi.png";
  EXPECT_EQ(FileBytes(file),
            "[Desktop Entry]\nType=Application\nName=Vokabi\nExec=\"/opt/My Vokabi/vokabi\" /1\n"
            "Icon=" +
                icon.string() + "\nX-GNOME-Autostart-enabled=true\n");
  EXPECT_EQ(FileBytes(icon), "PNG bytes");
  struct stat status {};
  ASSERT_EQ(stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0644u);

  // Written again over the old one, leaving no temporary file beside it.
  ASSERT_TRUE(WriteAutostartFile("/opt/vokabi/vokabi", "PNG bytes"));
  EXPECT_NE(FileBytes(file).find("Exec=/opt/vokabi/vokabi /1\n"), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()), {}), 1);

  RemoveAutostartFile();
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(std::filesystem::exists(icon));
  EXPECT_FALSE(HasBrowserMenuHost());
}

}  // namespace
}  // namespace vokabi::platform
