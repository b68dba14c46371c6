#pragma once
// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "ui/controls/frameless_window.h"
#include "ui/main/app_state.h"
#include "ui/main/history_buttons.h"
#include "ui/main/window_manager.h"
#include "ui/main/word_box.h"
#include "ui/main/word_list.h"

namespace vokabi::ui {

// The lookup window: the word box with its recent words, the translation pane, the word list,
// one flag button per base, the command buttons, its own frame and the tray icon with its menu;
// it translates what the user copies or selects elsewhere and prints a word. Each of those parts
// owns its state; the window lays them out and carries the lookup between them.
class Form1 : public FramelessWindow, public WordListHost, public HistoryHost {
  Q_OBJECT

 public:
  // The client area without the keyboard strips.
  static constexpr int kClientWidth = 460;
  static constexpr int kBaseClientHeight = 323;
  static constexpr int kRecentWords = WordBox::kRecentWords;

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
  // A base listed while it loads has loaded: its flag comes alive, and a lookup that waits for
  // it runs.
  void BaseArrived(int index);
  // A base that was still loading turned out damaged and left the list; a lookup that waited
  // for it says so in the base chosen before it.
  void BaseDropped(int index);
  // The word box's key release, with the key codes of key_codes.h and shift 1, ctrl 2, alt 4.
  void Combo1_KeyUp(int keyCode, int shift);
  // Puts a found entry on screen, fills the word list and records the word as recent.
  void ShowTranslation(const std::string& word, const std::string& translation,
                       std::int32_t position, int wordCharset, int translationCharset,
                       int dictionaryIndex) override;
  // ShowTranslation of the working base's current result.
  void ShowResult(const Dictionary& dictionary);
  void SysTray();
  // Runs Timer1 exactly while ClipboardTranslate is on, Timer2 while SelectionTranslate is.
  void SwitchTimers();
  // Replace the platform's answers to "is there a tray?" and "can this window be minimised?".
  void SetTrayAvailableProbe(std::function<bool()> probe);
  void SetCanMinimiseProbe(std::function<bool()> probe) { canMinimise_ = std::move(probe); }

  Dictionary& WorkingDictionary() override;
  Dictionary* HistoryBase() override;
  int WorkDic() const override;
  QString WordBoxText() const override;
  void ShowWordBox(const std::string& bytes, int charset) override;
  void ShowPane(const std::string& bytes, int charset) override;
  const std::string& PaneBytes() const override;
  void SelectOption(int index) override { SetOptionValue(index, true); }
  void RecordRecent(const std::string& word, int charset, int dictionaryIndex) override;
  void SelectWordBoxText() override;
  void TranslateWordBox() override { BtnPrevod_Click(); }
  bool TranslateEntryAt(std::int32_t position, bool fillList) override;
  const SchemeColours& Colours() const override { return app_.Colours; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Parts;
  // form1.cpp: the window, its frame, its dressing and the handlers that hand on to the parts.
  void BuildControls();
  void ConnectEvents();
  void DressControls();
  void LoadTexts();
  void NameWordList();
  void BtnMin_Click();
  void BtnClose_Click();
  void mnuRestore_Click();
  void Form_QueryUnload();
  void BtnSetup_Click();
  void BtnAbout_Click();
  void BtnBack_Click();
  void BtnNext_Click();
  void BtnPrint_Click();
  int DictionaryCount() const { return static_cast<int>(app_.Dictionaries.size()); }

  // form1_lookup.cpp: the lookup flow, the word box with its recent words and completion, the
  // option buttons' choice of base, the on-screen keys and the text of other programs.
  bool TranslateAndShow(const QString& text, bool suggest);
  // Whether the working base has loaded; if not, the pane says it still loads and, when asked,
  // the word box is looked up once it has.
  bool WorkingBaseReady(bool lookUpOnArrival);
  // Before the working base changes: the one to come back to should the new one never load.
  void NoteReadyBase();
  bool ShowBaseFormWhileTyping(Dictionary& dictionary, const std::string& typed);
  void ShowPaneMessage();
  void CompleteWordBox();
  void ReadSpellingDictionaries();
  void Combo1_Click(int index);
  void Option1_Click(int index);
  void SetOptionValue(int index, bool fire);
  void EscapeReleased(int keyCode);
  void Image1_Click(int index);
  void TranslateForeign(const QString& text);
  void BringToFront();

  AppState& app_;
  std::unique_ptr<Parts> parts_;
  std::function<bool()> canMinimise_;  // none: the platform's answer
};

}  // namespace vokabi::ui
