#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/foreign_text.h"
#include "ui/controls/frameless_window.h"
#include "ui/main/app_state.h"
#include "ui/main/word_list.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTimer;

namespace vokabi::ui {

class Button;
class FlagButton;
class KeyboardPanel;
class TrayIcon;

// The lookup window: the word box with its recent words, the translation pane, the word list,
// one flag button per base, the command buttons, its own frame and the tray icon with its menu;
// it translates what the user copies or selects elsewhere and prints a word.
class Form1 : public FramelessWindow, public WordListHost {
  Q_OBJECT

 public:
  // The client area without the keyboard strips.
  static constexpr int kClientWidth = 460;
  static constexpr int kBaseClientHeight = 323;
  // The drop-down list keeps this many recent words.
  static constexpr int kRecentWords = 20;

  explicit Form1(AppState& app, QWidget* parent = nullptr);
  ~Form1() override;

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

  // The word box's key release, with the key codes of key_codes.h and shift 1, ctrl 2, alt 4.
  void Combo1_KeyUp(int keyCode, int shift);
  // Puts a found entry on screen, fills the word list and records the word as recent.
  void ShowTranslation(const std::string& word, const std::string& translation,
                       std::int32_t position, int wordCharset, int translationCharset,
                       int dictionaryIndex);
  // ShowTranslation of the working base's current result.
  void ShowResult(const Dictionary& dictionary);
  // Adds the tray icon.
  void SysTray();
  // Runs Timer1 exactly while ClipboardTranslate is on, Timer2 while SelectionTranslate is.
  void SwitchTimers();

  // Replaces the platform's answer to "is there a tray?" (tests).
  void SetTrayAvailableProbe(std::function<bool()> probe);
  // Replaces the platform's answer to "can this window be minimised?" (tests).
  void SetCanMinimiseProbe(std::function<bool()> probe) { canMinimise_ = std::move(probe); }

  // WordListHost.
  Dictionary& WorkingDictionary() override;
  int WorkDic() const override;
  QString WordBoxText() const override;
  void ShowWordBox(const std::string& bytes, int charset) override;
  void ShowPane(const std::string& bytes, int charset) override;
  const std::string& PaneBytes() const override { return paneBytes_; }
  void SelectOption(int index) override;
  void RecordRecent(const std::string& word, int charset, int dictionaryIndex) override;
  void SelectWordBoxText() override;
  void TranslateWordBox() override { BtnPrevod_Click(); }
  bool TranslateEntryAt(std::int32_t position, bool fillList) override;
  const SchemeColours& Colours() const override { return app_.Colours; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // form1.cpp: the controls of the window design.
  void BuildControls();
  // Buttons lie on the window unless a strip of it is given.
  Button* MakeButton(const char* name, const QRect& geometry, QWidget* parent = nullptr);
  void ConnectEvents();
  // The command buttons share their row by the widths of their captions.
  void LayOutCommandRow();
  int DictionaryCount() const { return static_cast<int>(app_.Dictionaries.size()); }

  // form1_lookup.cpp: the word box, the recent words and the option buttons' handlers.
  bool WordBoxEvent(QEvent* event);
  bool RecentListEvent(QEvent* event);
  void Combo1_Click(int index);
  void Option1_Click(int index);
  // Selects option button index; with fire, its handler runs when the selection moved.
  void SetOptionValue(int index, bool fire);
  void EscapeReleased(int keyCode);
  // Completes the word box as a typed letter does, selecting the completed tail.
  void CompleteWordBox();
  void ShowPaneMessage();
  // Translate with the help a miss gets: base forms, and with suggest the closest headwords in
  // the word list. A result found through a base form says so on the pane's first line.
  bool TranslateAndShow(const QString& text, bool suggest);
  // Completion leaves a word form as typed and shows its base form's article instead; false
  // when the text is no such form (or its dictionary is not read yet).
  bool ShowBaseFormWhileTyping(Dictionary& dictionary, const std::string& typed);
  // Reads the working base's Hunspell dictionaries on a worker thread.
  void ReadSpellingDictionaries();
  // Makes the recent word shown the combo's current item, or none when the list lacks it.
  void MarkShownRecent(const QString& word, int dictionaryIndex);
  int WordBoxSelStart() const;
  int WordBoxSelLength() const;

  // form1_pane.cpp: the translation pane gives nothing away.
  void SetUpPane();
  bool PaneEvent(QEvent* event);
  // A line above what the pane shows, left out of the program's copy (and so of printing).
  void NoteOnPane(const QString& line);
  // The pane shows the current result's article and the other side's, each under its
  // direction; the program's copy, and so printing, holds both with their headings.
  void ShowBothArticles(const Dictionary& dictionary, const Article& other);
  // "Руски → Български": the direction of an article whose word is on the side.
  QString Direction(const Dictionary& dictionary, int side) const;

  // form1_setup.cpp: the option buttons and the dressing.
  void BuildOptionButtons();
  FlagButton* MakeOptionButton(int index);
  QString BaseNames(int index) const;
  std::vector<std::array<std::string, 7>> BaseLanguageNames() const;
  void DressControls();
  void LoadTexts();
  // The word list's accessible name: the working base's language pair.
  void NameWordList();

  // form1_window.cpp: the frame buttons' pictures, minimise, close, restore.
  void DrawFramePictures();
  void BtnMin_Click();
  void BtnClose_Click();
  void mnuRestore_Click();
  void Form_QueryUnload();

  // form1_history.cpp: the working base's own history.
  void BtnBack_Click();
  void BtnNext_Click();
  void ShowHistoryEntry(Dictionary& dictionary);

  // form1_dialogs.cpp: the settings dialog and the about box.
  friend class Form1DialogHost;
  void BtnSetup_Click();
  void BtnAbout_Click();

  // form1_keyboards.cpp: an on-screen key types into the word box.
  void Image1_Click(int index);

  // form1_timers.cpp: what the user copies or selects in other programs.
  void MakeTimers();
  void Timer1_Timer();
  void Timer2_Timer();
  // Looks up a new text of a timer's source; last is what that timer handled before.
  void TranslateForeign(const QString& text, QString& last);
  void BringToFront();

  // form1_print.cpp: the word and its translation on one page of the chosen printer.
  void BtnPrint_Click();

  AppState& app_;

  QLabel* labelFon_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QPlainTextEdit* text2_ = nullptr;
  WordList* wordList_ = nullptr;
  Button* btnPrevod_ = nullptr;
  Button* btnBack_ = nullptr;
  Button* btnNext_ = nullptr;
  Button* btnSetup_ = nullptr;
  Button* btnAbout_ = nullptr;
  Button* btnPrint_ = nullptr;
  Button* btnCyr_ = nullptr;
  Button* btnLat_ = nullptr;
  Button* btnMin_ = nullptr;
  Button* btnClose_ = nullptr;
  KeyboardPanel* keyboards_ = nullptr;
  Button* btnCloseCyr_ = nullptr;
  Button* btnCloseLat_ = nullptr;
  std::vector<Button*> buttons_;
  std::vector<Button*> commandRow_;
  std::vector<FlagButton*> options_;
  QButtonGroup* optionGroup_ = nullptr;

  QTimer* timer1_ = nullptr;  // the clipboard
  QTimer* timer2_ = nullptr;  // the selection in other programs
  std::unique_ptr<platform::ForeignText> foreignText_;
  // Never reset, so a timer never looks up the same text twice in a row.
  QString lastClipboardText_;
  QString lastSelectionText_;

  TrayIcon* tray_ = nullptr;
  std::function<bool()> canMinimise_;  // none: the platform's answer

  std::string paneBytes_;
  // What the pane shows as the program prints it.
  QString paneText_;
  bool wordBoxHasFocus_ = false;
  bool listClickBusy_ = false;
  // Escape closed the open list; its release, arriving in the word box, is not the box's.
  bool escapeClosedList_ = false;
  int savedSelStart_ = 0;
  int savedSelLength_ = 0;
  bool closing_ = false;
  bool workingBaseChosen_ = false;
};

// Puts a window into the topmost band or takes it out, without moving or activating it; the
// window is shown.
void SetTopmost(QWidget* window, bool topmost);

}  // namespace vokabi::ui
