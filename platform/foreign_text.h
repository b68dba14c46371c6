#pragma once

#include <QString>
#include <memory>

// What the user copies or selects in other programs, read by the lookup window's polling timers.
namespace vokabi::platform {

class ForeignText {
 public:
  virtual ~ForeignText() = default;

  // The clipboard's plain text; "" when it holds no text or the program put it there itself.
  virtual QString ClipboardText() = 0;
  // The text the user has selected in another program; "" when there is none, when the system
  // offers no way to read it, or when the selection is the program's own.
  virtual QString SelectionText() = 0;
};

// The system's own: on X11 and Wayland the primary selection, on Windows the selected part of
// the edit control under the mouse pointer.
std::unique_ptr<ForeignText> MakeForeignText();

}  // namespace vokabi::platform
