#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "app/settings.h"
#include "platform/foreign_text.h"

class QTimer;

namespace vokabi::ui {

// Translating what the user copies or selects in other programs: Timer1 polls the clipboard,
// Timer2 the selection, each only while its setting is on. Each timer remembers the last text it
// handled, never reset, so the same text is never looked up twice in a row.
class ForeignTextWatch : public QObject {
  Q_OBJECT

 public:
  // Reads ClipboardTranslate and SelectionTranslate from settings at every tick.
  ForeignTextWatch(const SettingsRecord& settings, QObject* parent);
  ~ForeignTextWatch() override;

  // Runs Timer1 exactly while ClipboardTranslate is on, Timer2 while SelectionTranslate is.
  void SwitchTimers();
  void Timer1_Timer();
  void Timer2_Timer();

 signals:
  // A new text the user copied or selected in another program, short enough to be a word.
  void TextArrived(const QString& text);

 private:
  void Take(const QString& text, QString& last);

  const SettingsRecord& settings_;
  QTimer* timer1_ = nullptr;  // the clipboard
  QTimer* timer2_ = nullptr;  // the selection in other programs
  std::unique_ptr<platform::ForeignText> foreignText_;
  QString lastClipboardText_;
  QString lastSelectionText_;
};

}  // namespace vokabi::ui
