#pragma once

#include <QtCore/qnamespace.h>

namespace vokabi::ui {

// The key codes the windows' handlers compare with, as the Windows program knew them.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyShift = 16;
inline constexpr int kKeyCtrl = 17;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyDelete = 46;

// The code of a Qt key: letters and digits as their upper-case ASCII, Space 32, Left 37 …; 0 for
// keys without one. The one place where Qt keys become these codes.
int VirtualKey(int qtKey);

// 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState(Qt::KeyboardModifiers modifiers);

}  // namespace vokabi::ui
