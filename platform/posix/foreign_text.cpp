// X11 and Wayland: any program's selected text is offered as the primary selection, the text a
// middle click pastes. Wayland offers it only where the compositor supports the protocol.
#include "platform/foreign_text.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vokabi::platform {

namespace {

class SelectionOwners final : public ForeignText {
 public:
  QString ClipboardText() override { return Read(QClipboard::Clipboard); }
  QString SelectionText() override {
    if (!QGuiApplication::clipboard()->supportsSelection()) return {};
    return Read(QClipboard::Selection);
  }

 private:
  static QString Read(QClipboard::Mode mode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    // The word box's own selection or copy is the user working in this program.
    const bool own =
        mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
    if (own) return {};
    // Only plain text counts; a picture or a file list is not a word.
    return clipboard->text(mode);
  }
};

}  // namespace

std::unique_ptr<ForeignText> MakeForeignText() {
  return std::make_unique<SelectionOwners>();
}

}  // namespace vokabi::platform
