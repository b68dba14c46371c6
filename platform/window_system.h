#pragma once

#include <string>

namespace vokabi::platform {

// The Qt platform plugin the program asks for, or "" to leave the choice to Qt. Under Wayland
// with XWayland at hand that is xcb, since Wayland lets no program in the background read the
// clipboard or the selection; a platform the user chose (QT_QPA_PLATFORM) always wins.
std::string ChosenQtPlatform();

}  // namespace vokabi::platform
