#pragma once

#include <vector>

#include "ui/main/foreign_text_watch.h"
#include "ui/main/form1.h"
#include "ui/main/history_buttons.h"
#include "ui/main/keyboard_panel.h"
#include "ui/main/option_buttons.h"
#include "ui/main/print_button.h"
#include "ui/main/translation_pane.h"
#include "ui/main/tray_icon.h"
#include "ui/main/word_box.h"

class QLabel;

namespace vokabi::ui {

class Button;

// The parts the window is composed of, and the buttons and the background it makes and dresses.
struct Form1::Parts {
  WordBox* wordBox = nullptr;
  TranslationPane* pane = nullptr;
  WordList* wordList = nullptr;
  OptionButtons* options = nullptr;
  KeyboardPanel* keyboards = nullptr;
  TrayIcon* tray = nullptr;
  HistoryButtons* history = nullptr;
  ForeignTextWatch* foreignText = nullptr;
  PrintButton* print = nullptr;
  QLabel* labelFon = nullptr;
  Button* btnPrevod = nullptr;
  Button* btnBack = nullptr;
  Button* btnNext = nullptr;
  Button* btnSetup = nullptr;
  Button* btnAbout = nullptr;
  Button* btnPrint = nullptr;
  Button* btnCyr = nullptr;
  Button* btnLat = nullptr;
  Button* btnMin = nullptr;
  Button* btnClose = nullptr;
  Button* btnCloseCyr = nullptr;
  Button* btnCloseLat = nullptr;
  std::vector<Button*> buttons;
  std::vector<Button*> commandRow;
  // The window's own state between events.
  bool listClickBusy = false;  // a recent word's pick switches the base
  bool closing = false;
  bool workingBaseChosen = false;
  bool lookupWaits = false;  // the working base still loads; the word box is looked up then
  int readyBase = 0;         // the last working base that had loaded
};

}  // namespace vokabi::ui
