// The lookup flow: the translate action, the word box with completion and recent words, and the
// option buttons that choose the working base.
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/error_class.h"
#include "app/language.h"
#include "app/lookup_help.h"
#include "app/settings.h"
#include "ui/controls/key_codes.h"
#include "ui/main/engine_text.h"
#include "ui/main/flag_button.h"
#include "ui/main/form1.h"

namespace vokabi::ui {

namespace {

// A recent word's item keeps its character set beside the base index (the item data).
constexpr int kCharsetRole = Qt::UserRole + 1;

bool NeverCompletes(int keyCode) {
  switch (keyCode) {
    case kKeyBackspace:
    case kKeyDelete:
    case kKeyShift:
    case kKeyCtrl:
    case kKeyLeft:
    case kKeyUp:
    case kKeyRight:
    case kKeyDown:
      return true;
    default:
      return false;
  }
}

}  // namespace

void Form1::BtnPrevod_Click() {
  AppError.Clear();
  if (DictionaryCount() == 0) return;
  TranslateAndShow(WordBoxText(), true);
  SelectWordBoxText();
}

bool Form1::TranslateAndShow(const QString& text, bool suggest) {
  Dictionary& dictionary = WorkingDictionary();
  const std::string word = EncodeWord(text, dictionary.Charset1(), dictionary.Charset2());
  LookupHelp help;
  const LookupShortcuts shortcuts =
      app_.BaseCompanions ? app_.BaseCompanions->For(dictionary) : LookupShortcuts{};
  if (!TranslateWithHelp(dictionary, AppError, app_.Forms.get(), word, suggest, &help, shortcuts)) {
    ShowPaneMessage();
    if (!help.suggestions.empty()) {
      wordList_->ShowSuggestions(help.suggestions, help.suggestionCharset,
                                 help.suggestionPositions);
    }
    return false;
  }
  ShowResult(dictionary);
  if (help.also) ShowBothArticles(dictionary, *help.also);
  if (help.baseForm) {
    NoteOnPane(DecodeText(help.missedCharset, help.missed) + QStringLiteral(" \u2192 ") +
               DecodeText(dictionary.DumaCHSet(), dictionary.Duma()));
  }
  return true;
}

bool Form1::TranslateEntryAt(std::int32_t position, bool fillList) {
  if (DictionaryCount() == 0) return false;
  Dictionary& dictionary = WorkingDictionary();
  LookupHelp help;
  if (!TranslateEntry(dictionary, AppError, position, &help)) return false;
  if (fillList) {
    ShowResult(dictionary);
  } else {
    // The list is already there and scrolls to the word itself.
    const std::string duma = dictionary.Duma();
    ShowWordBox(duma, dictionary.DumaCHSet());
    ShowPane(dictionary.Prevod(), dictionary.PrevodCHSet());
    RecordRecent(duma, dictionary.DumaCHSet(), WorkDic());
  }
  if (help.also) ShowBothArticles(dictionary, *help.also);
  SelectWordBoxText();
  return true;
}

void Form1::SelectWordBoxText() {
  QLineEdit* edit = combo1_->lineEdit();
  edit->selectAll();
  // An on-screen key replaces it too, while the focus is elsewhere.
  savedSelStart_ = 0;
  savedSelLength_ = static_cast<int>(edit->text().size());
}

void Form1::ShowResult(const Dictionary& dictionary) {
  // Copies: showing reads the neighbour list through the same dictionary.
  const std::string duma = dictionary.Duma();
  const std::string prevod = dictionary.Prevod();
  ShowTranslation(duma, prevod, dictionary.PredniDumi(), dictionary.DumaCHSet(),
                  dictionary.PrevodCHSet(), WorkDic());
}

void Form1::ShowTranslation(const std::string& word, const std::string& translation,
                            std::int32_t position, int wordCharset, int translationCharset,
                            int dictionaryIndex) {
  ShowWordBox(word, wordCharset);
  ShowPane(translation, translationCharset);
  wordList_->FillWordList(dictionaryIndex, position, word, wordCharset);
  RecordRecent(word, wordCharset, dictionaryIndex);
}

void Form1::ShowPaneMessage() {
  ShowPane(AppError.MsgText(), LanguageCharset);
}

void Form1::ShowWordBox(const std::string& bytes, int charset) {
  combo1_->setEditText(DecodeText(charset, bytes));
  combo1_->setProperty("charset", charset);
}

void Form1::RecordRecent(const std::string& word, int charset, int dictionaryIndex) {
  const QString shown = DecodeText(charset, word);
  // The word counts as present by the working base's current entry, as the list always has.
  const Dictionary& dictionary = WorkingDictionary();
  const QString current = DecodeText(dictionary.DumaCHSet(), dictionary.Duma());
  bool present = false;
  for (int i = 0; i < combo1_->count() && !present; ++i)
    present = combo1_->itemText(i) == current && combo1_->itemData(i).toInt() == dictionaryIndex;
  if (!present) {
    if (combo1_->count() >= kRecentWords) combo1_->removeItem(combo1_->count() - 1);
    combo1_->insertItem(0, shown, dictionaryIndex);
    combo1_->setItemData(0, charset, kCharsetRole);
  }
  MarkShownRecent(shown, dictionaryIndex);
}

void Form1::MarkShownRecent(const QString& word, int dictionaryIndex) {
  int shown = -1;
  for (int i = 0; i < combo1_->count() && shown < 0; ++i) {
    if (combo1_->itemText(i) == word && combo1_->itemData(i).toInt() == dictionaryIndex) shown = i;
  }
  // Up, Down, the wheel and the open list go on from the current item; choosing it also puts
  // its text into the box, which must stay the text being edited.
  const QString editing = combo1_->currentText();
  combo1_->setCurrentIndex(shown);
  if (combo1_->currentText() != editing) combo1_->setEditText(editing);
}

bool Form1::WordBoxEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      // Enter translates on its release; the combo's own Enter would pick a matching item.
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key != Qt::Key_Escape) escapeClosedList_ = false;
      return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->isAutoRepeat()) return false;
      if (key->key() == Qt::Key_Escape && std::exchange(escapeClosedList_, false)) return false;
      Combo1_KeyUp(VirtualKey(key->key()), ShiftState(key->modifiers()));
      return false;
    }
    case QEvent::FocusIn:
      wordBoxHasFocus_ = true;
      return false;
    case QEvent::FocusOut:
      // The on-screen keyboards insert where the user left off.
      savedSelStart_ = WordBoxSelStart();
      savedSelLength_ = WordBoxSelLength();
      wordBoxHasFocus_ = false;
      return false;
    default:
      return false;
  }
}

bool Form1::RecentListEvent(QEvent* event) {
  // The open list closes on Escape's shortcut test or on its press, whichever it gets.
  const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
  if (key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      combo1_->view()->isVisible())
    escapeClosedList_ = true;
  return false;
}

int Form1::WordBoxSelStart() const {
  const QLineEdit* edit = combo1_->lineEdit();
  return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

int Form1::WordBoxSelLength() const {
  return static_cast<int>(combo1_->lineEdit()->selectedText().size());
}

void Form1::Combo1_KeyUp(int keyCode, int /*shift*/) {
  if (keyCode == kKeyEscape) {
    combo1_->setEditText(QString());
    return;
  }
  savedSelStart_ = WordBoxSelStart();
  if (keyCode == kKeyEnter) {
    BtnPrevod_Click();
    return;
  }
  if (!AppSettings.CompleteWord || NeverCompletes(keyCode)) return;
  CompleteWordBox();
}

void Form1::CompleteWordBox() {
  if (DictionaryCount() == 0) return;
  Dictionary& dictionary = WorkingDictionary();
  const std::string typed = EncodeWord(WordBoxText(), dictionary.Charset1(), dictionary.Charset2());
  if (ShowBaseFormWhileTyping(dictionary, typed)) {
    // The typed text stays as it is, the caret where the user left it.
  } else if (dictionary.AutoComplete(typed)) {
    ShowWordBox(dictionary.Duma(), dictionary.DumaCHSet());
    ShowPane(dictionary.Prevod(), dictionary.PrevodCHSet());
    // The completed tail stays selected, so typing on replaces it.
    const int length = static_cast<int>(combo1_->currentText().size());
    const int start = std::min(savedSelStart_, length);
    combo1_->lineEdit()->setSelection(start, length - start);
  } else {
    ShowPaneMessage();
  }
  savedSelStart_ = WordBoxSelStart();
  savedSelLength_ = WordBoxSelLength();
}

bool Form1::ShowBaseFormWhileTyping(Dictionary& dictionary, const std::string& typed) {
  if (!app_.Forms) return false;
  const std::optional<std::int32_t> position = LoadedBaseFormEntry(dictionary, *app_.Forms, typed);
  // As a completion: the result changes, the history and the lists do not.
  if (!position || !dictionary.CompleteAt(*position)) return false;
  ShowPane(dictionary.Prevod(), dictionary.PrevodCHSet());
  NoteOnPane(WordBoxText() + QStringLiteral(" \u2192 ") +
             DecodeText(dictionary.DumaCHSet(), dictionary.Duma()));
  return true;
}

void Form1::ReadSpellingDictionaries() {
  if (!app_.Forms || DictionaryCount() == 0) return;
  const Dictionary& dictionary = WorkingDictionary();
  std::vector<std::string> languages;
  for (const int side : {1, 2}) {
    std::string language = SideLanguage(dictionary.ID(), side);
    if (!language.empty()) languages.push_back(std::move(language));
  }
  app_.Forms->LoadInBackground(std::move(languages));
}

void Form1::Combo1_Click(int index) {
  if (index < 0 || index >= combo1_->count()) return;
  const int base = combo1_->itemData(index).toInt();
  if (base != WorkDic() && base >= 0 && base < DictionaryCount()) {
    AppSettings.WorkDic = static_cast<std::int16_t>(base);
    listClickBusy_ = true;
    SetOptionValue(base, true);
    ReadSpellingDictionaries();
  }
  const QString text = combo1_->itemText(index);
  if (combo1_->currentText() != text) combo1_->setEditText(text);
  combo1_->setProperty("charset", combo1_->itemData(index, kCharsetRole));
  BtnPrevod_Click();
  listClickBusy_ = false;
}

void Form1::Option1_Click(int index) {
  if (listClickBusy_) return;
  AppSettings.WorkDic = static_cast<std::int16_t>(index);
  update();
  ReadSpellingDictionaries();
  BtnPrevod_Click();
}

void Form1::SetOptionValue(int index, bool fire) {
  if (index < 0 || index >= static_cast<int>(options_.size())) return;
  const bool moved = !options_[index]->isChecked();
  options_[index]->setChecked(true);
  if (fire && moved) Option1_Click(index);
}

void Form1::SelectOption(int index) {
  SetOptionValue(index, true);
}

void Form1::EscapeReleased(int keyCode) {
  if (keyCode != kKeyEscape) return;
  combo1_->setEditText(QString());
  combo1_->setFocus();
}

}  // namespace vokabi::ui
