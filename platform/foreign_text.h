#pragma once

#include <QString>
#include <functional>
#include <memory>

// What the user copies or selects in other programs, read by the lookup window's polling timers.
namespace vokabi::platform {

class ForeignText {
 public:
  enum class Source { kClipboard, kSelection };
  // Gets each text read: "" when the source holds no text or the program put it there itself.
  // The selection is the text the user has selected in another program; "" also where the
  // system offers no way to read it.
  using Answer = std::function<void(Source, const QString&)>;

  virtual ~ForeignText() = default;

  // Reads the source and gives its text to the answer, at once or, where another program must
  // be asked, when it replies on the event loop. An owner that does not reply in a short time
  // costs the caller nothing and is not asked again until the source changes hands.
  virtual void Ask(Source source) = 0;
};

// The system's own: on X11 and Wayland the clipboard and the primary selection, on Windows the
// clipboard and the selected part of the edit control under the mouse pointer.
std::unique_ptr<ForeignText> MakeForeignText(ForeignText::Answer answer);

}  // namespace vokabi::platform
