// Windows: the selected part of the standard edit control under the mouse pointer, when that
// control is a direct child of the foreground window.
#include "platform/foreign_text.h"

#include <windows.h>

#include <QClipboard>
#include <QGuiApplication>
#include <string>
#include <utility>

namespace vokabi::platform {

namespace {

// A program that does not answer must not stall the lookup window's timer.
constexpr UINT kAnswerWithinMs = 200;

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
  return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kAnswerWithinMs, &result) != 0;
}

// Only controls that answer EM_GETSEL and WM_GETTEXT (standard edit controls) give text.
std::wstring GetTextUnderCursor() {
  POINT point;
  if (!GetCursorPos(&point)) return {};
  HWND under = WindowFromPoint(point);
  if (under == nullptr) return {};
  HWND parent = GetParent(under);
  // A top-level window, or a control of a window in the background, offers nothing.
  if (parent == nullptr || parent != GetForegroundWindow()) return {};
  // The program's own windows never count: the translation pane gives nothing away.
  DWORD process = 0;
  GetWindowThreadProcessId(under, &process);
  if (process == GetCurrentProcessId()) return {};

  // The pointer form of EM_GETSEL: the packed answer stops at 65535 characters.
  DWORD start = 0;
  DWORD end = 0;
  DWORD_PTR answer = 0;
  if (!Ask(under, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end),
           answer) ||
      end <= start)
    return {};
  if (!Ask(under, WM_GETTEXTLENGTH, 0, 0, answer)) return {};
  std::wstring text(static_cast<std::size_t>(answer) + 1, L'\0');
  if (!Ask(under, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), answer))
    return {};
  text.resize(static_cast<std::size_t>(answer));
  if (end > text.size()) return {};
  return text.substr(start, end - start);
}

class UnderCursor final : public ForeignText {
 public:
  explicit UnderCursor(Answer answer) : answer_(std::move(answer)) {}
  void Ask(Source source) override {
    answer_(source, source == Source::kClipboard ? ClipboardText()
                                                 : QString::fromStdWString(GetTextUnderCursor()));
  }

 private:
  static QString ClipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    // The word box's own copy is the user working in this program.
    if (clipboard->ownsClipboard()) return {};
    return clipboard->text();
  }

  Answer answer_;
};

}  // namespace

std::unique_ptr<ForeignText> MakeForeignText(ForeignText::Answer answer) {
  return std::make_unique<UnderCursor>(std::move(answer));
}

}  // namespace vokabi::platform
