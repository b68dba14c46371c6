// X11 and Wayland: any program's selected text is offered as the primary selection, the text a
// middle click pastes. Wayland offers it only where the compositor supports the protocol.
#include "platform/foreign_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <utility>

#include "platform/posix/x11_selections.h"

namespace vokabi::platform {

namespace {

// Where the program does not run on X11 (Wayland), through Qt's clipboard.
class QtClipboard final : public ForeignText {
 public:
  explicit QtClipboard(Answer answer) : answer_(std::move(answer)) {}
  void Ask(Source source) override {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (source == Source::kSelection && !clipboard->supportsSelection()) return answer_(source, {});
    const QClipboard::Mode mode =
        source == Source::kSelection ? QClipboard::Selection : QClipboard::Clipboard;
    // The word box's own selection or copy is the user working in this program.
    const bool own =
        mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
    // Only plain text counts; a picture or a file list is not a word.
    answer_(source, own ? QString() : clipboard->text(mode));
  }

 private:
  Answer answer_;
};

}  // namespace

std::unique_ptr<ForeignText> MakeForeignText(ForeignText::Answer answer) {
  // Qt's own reading waits seconds on an owner that never replies; on X11 the program asks
  // the owners itself, on a connection of its own, without waiting.
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    if (auto x11 = MakeX11Selections(answer)) return x11;
  }
  return std::make_unique<QtClipboard>(std::move(answer));
}

}  // namespace vokabi::platform
