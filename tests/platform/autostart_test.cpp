#include "platform/autostart.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

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

// Each character the desktop-entry rules reserve, wherever it stands in the path, quotes it: a
// launcher would otherwise split the path there or hand it to a shell.
TEST(DesktopEntryTest, EveryReservedCharacterQuotesThePath) {
  for (const char c : std::string_view(" \t\n\"'\\><~|&;$*?#()`")) {
    for (const std::string& path :
         {std::string("/opt/a") + c + "b/vokabi", std::string("/opt/vokabi/vokabi") + c}) {
      const std::string argument = desktop::ExecArgument(path);
      EXPECT_TRUE(argument.size() > path.size() + 1 && argument.front() == '"' &&
                  argument.back() == '"')
          << "character " << int(c) << ": " << argument;
    }
  }
  // Letters, digits and the other marks a path may hold leave it as it is.
  const std::string plain = "/opt/Vokabi-2.0_x+y,z@w=v:u%/vokabi";
  EXPECT_EQ(desktop::ExecArgument(plain), "/opt/Vokabi-2.0_x+y,z@w=v:u%%/vokabi");
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
}

TEST(AutostartFileTest, TemporariesOfKilledWritesAreRemoved) {
  test::ConfigHome home;
  const std::filesystem::path folder = home.Path() / "autostart";
  std::filesystem::create_directories(folder);
  // What writes killed before their rename left: the current name and mkstemp's of old.
  for (const char* name : {"vokabi.desktop.new", "vokabi.desktop.a1B2c3", "vokabi.desktop.XyZ0Q9"})
    std::ofstream(folder / name) << "half";
  // Other programs' entries stay.
  std::ofstream(folder / "other.desktop") << "[Desktop Entry]\n";
  ASSERT_TRUE(WriteAutostartFile("/opt/vokabi/vokabi", ""));
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"other.desktop", "vokabi.desktop"}));
}

// Launchers take "%%" for no path and run no control character; such a program is not written
// into the session at all, rather than written into an entry that silently does nothing.
TEST(AutostartFileTest, APathNoLauncherAcceptsIsNotWritten) {
  test::ConfigHome home;
  EXPECT_TRUE(LauncherAccepts("/opt/My Vokabi/vokabi"));
  EXPECT_TRUE(LauncherAccepts("/opt/\xd0\x92\xd0\xbe\xd0\xba\xd0\xb0\xd0\xb1\xd0\xb8/vokabi"));
  for (const char* path : {"/opt/100%/vokabi", "/opt/a\nb/vokabi", "/opt/a\tb/vokabi",
                           "/opt/a\x7f/vokabi", "/opt/\xff\xfe/vokabi"}) {
    EXPECT_FALSE(LauncherAccepts(path)) << path;
    EXPECT_FALSE(WriteAutostartFile(path, "PNG bytes")) << path;
    EXPECT_FALSE(std::filesystem::exists(AutostartFile())) << path;
  }
}

}  // namespace
}  // namespace vokabi::platform
