#include "platform/window_system.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace vokabi::platform {
namespace {

TEST(WindowSystemTest, XWaylandUnderWaylandUnlessTheUserChose) {
  // The variables are put back at the end, so other tests see the real session.
  const char* const names[] = {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"};
  std::optional<std::string> saved[3];
  for (int i = 0; i < 3; ++i) {
    if (const char* value = std::getenv(names[i])) saved[i] = value;
    unsetenv(names[i]);
  }
  EXPECT_EQ(ChosenQtPlatform(), "");
  setenv("DISPLAY", ":0", 1);
  EXPECT_EQ(ChosenQtPlatform(), "");  // X11 alone: Qt's own choice is X11
  setenv("WAYLAND_DISPLAY", "wayland-0", 1);
  EXPECT_EQ(ChosenQtPlatform(), "xcb");
  setenv("QT_QPA_PLATFORM", "wayland", 1);
  EXPECT_EQ(ChosenQtPlatform(), "");
  // An empty choice is no choice.
  setenv("QT_QPA_PLATFORM", "", 1);
  EXPECT_EQ(ChosenQtPlatform(), "xcb");
  // Wayland without XWayland.
  unsetenv("DISPLAY");
  EXPECT_EQ(ChosenQtPlatform(), "");
  for (int i = 0; i < 3; ++i) {
    unsetenv(names[i]);
    if (saved[i]) setenv(names[i], saved[i]->c_str(), 1);
  }
}

}  // namespace
}  // namespace vokabi::platform
