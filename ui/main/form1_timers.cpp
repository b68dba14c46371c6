// Translating what the user copies or selects in other programs: Timer1 polls the clipboard,
// Timer2 the selection, each only while its setting is on.
#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <utility>

#include "app/guess_charset.h"
#include "app/hand_off.h"
#include "app/settings.h"
#include "ui/main/engine_text.h"
#include "ui/main/form1.h"

namespace vokabi::ui {

namespace {

constexpr int kClipboardIntervalMs = 500;
constexpr int kSelectionIntervalMs = 1000;
// What a hand-off may carry; a longer text is a paragraph, not a word asked for.
constexpr qsizetype kLongestText = kHandOffBufferSize - 1;

QTimer* MakeTimer(QWidget* parent, const char* name, int intervalMs) {
  auto* timer = new QTimer(parent);
  timer->setObjectName(QString::fromLatin1(name));
  timer->setInterval(intervalMs);
  return timer;
}

}  // namespace

void Form1::MakeTimers() {
  using Source = platform::ForeignText::Source;
  // A reply may come a moment after the tick that asked for it, when the setting is off again.
  foreignText_ = platform::MakeForeignText([this](Source source, const QString& text) {
    if (source == Source::kClipboard && AppSettings.ClipboardTranslate)
      TranslateForeign(text, lastClipboardText_);
    if (source == Source::kSelection && AppSettings.SelectionTranslate)
      TranslateForeign(text, lastSelectionText_);
  });
  timer1_ = MakeTimer(this, "Timer1", kClipboardIntervalMs);
  timer2_ = MakeTimer(this, "Timer2", kSelectionIntervalMs);
  connect(timer1_, &QTimer::timeout, this, &Form1::Timer1_Timer);
  connect(timer2_, &QTimer::timeout, this, &Form1::Timer2_Timer);
}

void Form1::SwitchTimers() {
  for (auto [timer, on] : {std::pair{timer1_, AppSettings.ClipboardTranslate},
                           std::pair{timer2_, AppSettings.SelectionTranslate}}) {
    // A running timer keeps its rhythm when it stays on.
    if (!on) {
      timer->stop();
    } else if (!timer->isActive()) {
      timer->start();
    }
  }
}

void Form1::Timer1_Timer() {
  if (!AppSettings.ClipboardTranslate) return;
  foreignText_->Ask(platform::ForeignText::Source::kClipboard);
}

void Form1::Timer2_Timer() {
  if (!AppSettings.SelectionTranslate) return;
  foreignText_->Ask(platform::ForeignText::Source::kSelection);
}

void Form1::TranslateForeign(const QString& text, QString& last) {
  if (text.isEmpty() || text == last) return;
  last = text;
  // Remembered as handled, so the same paragraph is not weighed again at every tick.
  if (text.toUtf8().size() > kLongestText) return;
  if (DictionaryCount() == 0) return;
  // A miss is answered as a typed one: close headwords in the word list.
  if (TranslateAndShow(text, true)) {
    BringToFront();
    return;
  }
  // Not found: the user sees what arrived and why nothing is shown; the window stays behind.
  combo1_->setEditText(text);
  const QByteArray lower = combo1_->currentText().toLower().toUtf8();
  combo1_->setProperty("charset", GuessCharset({lower.constData(), std::size_t(lower.size())}));
}

void Form1::BringToFront() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  // A window manager that refuses the focus to a program in the background still shows the
  // window as asking for attention; an active window ignores this.
  QApplication::alert(this);
}

}  // namespace vokabi::ui
