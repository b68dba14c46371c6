#pragma once

#include <QString>
#include <QWidget>

#include "ui/main/app_state.h"
#include "ui/main/word_list.h"

namespace vokabi::ui {

// The lookup window.
class Form1 : public QWidget, public WordListHost {
  Q_OBJECT

 public:
  explicit Form1(AppState& app, QWidget* parent = nullptr);

  // The window's start: timers, option buttons, dressing, position, tray icon, command line
  // ("/1" stays hidden, "0" shows without a lookup, other text is looked up).
  void Form_Load(const QString& commandLine);
  // The translate action.
  void BtnPrevod_Click();
  // Captions, fonts and colours in the interface language and the current scheme.
  void Form1Setup();
  // A second start's text: into the word box, translated, the window to the front.
  void TranslateHandedText(const QString& text);
  // Ends the program as the close button does with MinimizeToTray off, saving what closing saves.
  void CloseAndSave();
};

}  // namespace vokabi::ui
