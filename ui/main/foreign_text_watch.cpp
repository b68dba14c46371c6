#include "ui/main/foreign_text_watch.h"

#include <QTimer>
#include <utility>

#include "app/hand_off.h"
#include "app/settings.h"

namespace vokabi::ui {

namespace {

constexpr int kClipboardIntervalMs = 500;
constexpr int kSelectionIntervalMs = 1000;
// What a hand-off may carry; a longer text is a paragraph, not a word asked for.
constexpr qsizetype kLongestText = kHandOffBufferSize - 1;

QTimer* MakeTimer(QObject* parent, const char* name, int intervalMs) {
  auto* timer = new QTimer(parent);
  timer->setObjectName(QString::fromLatin1(name));
  timer->setInterval(intervalMs);
  return timer;
}

}  // namespace

ForeignTextWatch::ForeignTextWatch(const SettingsRecord& settings, QObject* parent)
    : QObject(parent), settings_(settings) {
  using Source = platform::ForeignText::Source;
  // A reply may come a moment after the tick that asked for it, when the setting is off again.
  foreignText_ = platform::MakeForeignText([this](Source source, const QString& text) {
    if (source == Source::kClipboard && settings_.ClipboardTranslate)
      Take(text, lastClipboardText_);
    if (source == Source::kSelection && settings_.SelectionTranslate)
      Take(text, lastSelectionText_);
  });
  timer1_ = MakeTimer(this, "Timer1", kClipboardIntervalMs);
  timer2_ = MakeTimer(this, "Timer2", kSelectionIntervalMs);
  connect(timer1_, &QTimer::timeout, this, &ForeignTextWatch::Timer1_Timer);
  connect(timer2_, &QTimer::timeout, this, &ForeignTextWatch::Timer2_Timer);
}

ForeignTextWatch::~ForeignTextWatch() = default;

void ForeignTextWatch::SwitchTimers() {
  for (auto [timer, on] : {std::pair{timer1_, settings_.ClipboardTranslate},
                           std::pair{timer2_, settings_.SelectionTranslate}}) {
    // A running timer keeps its rhythm when it stays on.
    if (!on) {
      timer->stop();
    } else if (!timer->isActive()) {
      timer->start();
    }
  }
}

void ForeignTextWatch::Timer1_Timer() {
  if (!settings_.ClipboardTranslate) return;
  foreignText_->Ask(platform::ForeignText::Source::kClipboard);
}

void ForeignTextWatch::Timer2_Timer() {
  if (!settings_.SelectionTranslate) return;
  foreignText_->Ask(platform::ForeignText::Source::kSelection);
}

void ForeignTextWatch::Take(const QString& text, QString& last) {
  if (text.isEmpty() || text == last) return;
  last = text;
  // Remembered as handled, so the same paragraph is not weighed again at every tick.
  if (text.toUtf8().size() > kLongestText) return;
  emit TextArrived(text);
}

}  // namespace vokabi::ui
