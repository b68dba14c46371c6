// The lookup flow: the translate action, the word box with completion and recent words, the
// option buttons' choice of the working base, the on-screen keys and the text of other programs.
#include <QApplication>
#include <QComboBox>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/error_class.h"
#include "app/guess_charset.h"
#include "app/language.h"
#include "app/lookup_help.h"
#include "app/settings.h"
#include "platform/codepage.h"
#include "ui/controls/key_codes.h"
#include "ui/main/base_loader.h"
#include "ui/main/engine_text.h"
#include "ui/main/form1.h"
#include "ui/main/form1_parts.h"
#include "ui/main/keyboard.h"
#include "ui/main/option_buttons.h"
#include "ui/main/translation_pane.h"
#include "ui/main/word_box.h"

namespace vokabi::ui {

namespace {

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
  app_.Context.AppError.Clear();
  if (DictionaryCount() == 0 || !WorkingBaseReady(true)) return;
  parts_->lookupWaits = false;
  TranslateAndShow(WordBoxText(), true);
  SelectWordBoxText();
}

bool Form1::WorkingBaseReady(bool lookUpOnArrival) {
  if (WorkingDictionary().Initi()) return true;
  if (lookUpOnArrival) parts_->lookupWaits = true;
  const int charset = app_.Context.Language.LanguageCharset;
  const QByteArray notice = StillLoadingText(app_.Context.Language).toUtf8();
  ShowPane(platform::EncodeCharset(charset, {notice.constData(), std::size_t(notice.size())}).bytes,
           charset);
  return false;
}

void Form1::NoteReadyBase() {
  if (DictionaryCount() > 0 && WorkingDictionary().Initi()) parts_->readyBase = WorkDic();
}

void Form1::BaseArrived(int index) {
  parts_->options->Arrived(index);
  if (index != WorkDic() || !parts_->lookupWaits) return;
  parts_->lookupWaits = false;
  BtnPrevod_Click();
}

void Form1::BaseDropped(int index) {
  const auto follow = [index](int base) { return base > index ? base - 1 : base; };
  parts_->wordBox->ForgetBase(index);
  parts_->wordList->ForgetBase(index);
  const bool chosen = WorkDic() == index;
  int work = chosen ? parts_->readyBase : WorkDic();
  // The base to come back to was loaded, so it is never the one that left.
  work = std::clamp(follow(work), 0, DictionaryCount() - 1);
  parts_->readyBase = std::clamp(follow(parts_->readyBase), 0, DictionaryCount() - 1);
  app_.Context.AppSettings.WorkDic = static_cast<std::int16_t>(work);
  parts_->options->Rebuild(app_.Colours);
  SetOptionValue(work, false);
  NameWordList();
  if (!chosen) return;
  ReadSpellingDictionaries();
  // The chosen base cannot be read: said as a lookup in it would say it.
  parts_->lookupWaits = false;
  app_.Context.AppError.SetNomer(msg::kMissingFile);
  ShowPaneMessage();
}

bool Form1::TranslateAndShow(const QString& text, bool suggest) {
  Dictionary& dictionary = WorkingDictionary();
  const std::string word = EncodeWord(text, dictionary.Charset1(), dictionary.Charset2());
  LookupHelp help;
  const LookupShortcuts shortcuts =
      app_.BaseCompanions ? app_.BaseCompanions->For(dictionary) : LookupShortcuts{};
  if (!TranslateWithHelp(dictionary, app_.Context.AppError, app_.Forms.get(), word, suggest, &help,
                         shortcuts)) {
    ShowPaneMessage();
    if (!help.suggestions.empty()) {
      parts_->wordList->ShowSuggestions(help.suggestions, help.suggestionCharset,
                                        help.suggestionPositions);
    }
    return false;
  }
  ShowResult(dictionary);
  if (help.also) parts_->pane->ShowBothArticles(app_.Context.Language, dictionary, *help.also);
  if (help.baseForm) {
    parts_->pane->Note(DecodeText(help.missedCharset, help.missed) + QStringLiteral(" \u2192 ") +
                       DecodeText(dictionary.DumaCHSet(), dictionary.Duma()));
  }
  return true;
}

bool Form1::TranslateEntryAt(std::int32_t position, bool fillList) {
  if (DictionaryCount() == 0 || !WorkingBaseReady(false)) return false;
  Dictionary& dictionary = WorkingDictionary();
  LookupHelp help;
  if (!TranslateEntry(dictionary, app_.Context.AppError, position, &help)) return false;
  if (fillList) {
    ShowResult(dictionary);
  } else {
    // The list is already there and scrolls to the word itself.
    const std::string duma = dictionary.Duma();
    ShowWordBox(duma, dictionary.DumaCHSet());
    ShowPane(dictionary.Prevod(), dictionary.PrevodCHSet());
    RecordRecent(duma, dictionary.DumaCHSet(), WorkDic());
  }
  if (help.also) parts_->pane->ShowBothArticles(app_.Context.Language, dictionary, *help.also);
  SelectWordBoxText();
  return true;
}

void Form1::SelectWordBoxText() {
  parts_->wordBox->SelectAll();
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
  parts_->wordList->FillWordList(dictionaryIndex, position, word, wordCharset);
  RecordRecent(word, wordCharset, dictionaryIndex);
}

void Form1::ShowPaneMessage() {
  ShowPane(app_.Context.AppError.MsgText(), app_.Context.Language.LanguageCharset);
}

void Form1::ShowWordBox(const std::string& bytes, int charset) {
  parts_->wordBox->Show(DecodeText(charset, bytes), charset);
}

void Form1::RecordRecent(const std::string& word, int charset, int dictionaryIndex) {
  // The word counts as present by the working base's current entry, as the list always has.
  const Dictionary& dictionary = WorkingDictionary();
  parts_->wordBox->RecordRecent(DecodeText(charset, word), charset, dictionaryIndex,
                                DecodeText(dictionary.DumaCHSet(), dictionary.Duma()));
}

void Form1::Combo1_KeyUp(int keyCode, int /*shift*/) {
  if (keyCode == kKeyEscape) {
    parts_->wordBox->Combo()->setEditText(QString());
    return;
  }
  parts_->wordBox->NoteCaret();
  if (keyCode == kKeyEnter) {
    BtnPrevod_Click();
    return;
  }
  if (!app_.Context.AppSettings.CompleteWord || NeverCompletes(keyCode)) return;
  CompleteWordBox();
}

void Form1::CompleteWordBox() {
  // A base still loading completes nothing; Enter looks the word up once it has loaded.
  if (DictionaryCount() == 0 || !WorkingBaseReady(false)) return;
  Dictionary& dictionary = WorkingDictionary();
  const std::string typed = EncodeWord(WordBoxText(), dictionary.Charset1(), dictionary.Charset2());
  if (ShowBaseFormWhileTyping(dictionary, typed)) {
    // The typed text stays as it is, the caret where the user left it.
  } else if (dictionary.AutoComplete(typed)) {
    ShowWordBox(dictionary.Duma(), dictionary.DumaCHSet());
    ShowPane(dictionary.Prevod(), dictionary.PrevodCHSet());
    // The completed tail stays selected, so typing on replaces it.
    parts_->wordBox->SelectTail();
  } else {
    ShowPaneMessage();
  }
  parts_->wordBox->RememberSelection();
}

bool Form1::ShowBaseFormWhileTyping(Dictionary& dictionary, const std::string& typed) {
  if (!app_.Forms) return false;
  const std::optional<std::int32_t> position = LoadedBaseFormEntry(dictionary, *app_.Forms, typed);
  // As a completion: the result changes, the history and the lists do not.
  if (!position || !dictionary.CompleteAt(*position)) return false;
  ShowPane(dictionary.Prevod(), dictionary.PrevodCHSet());
  parts_->pane->Note(WordBoxText() + QStringLiteral(" \u2192 ") +
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
  const std::optional<WordBox::Recent> recent = parts_->wordBox->Item(index);
  if (!recent) return;
  if (recent->base != WorkDic() && recent->base >= 0 && recent->base < DictionaryCount()) {
    NoteReadyBase();
    app_.Context.AppSettings.WorkDic = static_cast<std::int16_t>(recent->base);
    parts_->listClickBusy = true;
    SetOptionValue(recent->base, true);
    ReadSpellingDictionaries();
  }
  parts_->wordBox->ShowPicked(*recent);
  BtnPrevod_Click();
  parts_->listClickBusy = false;
}

void Form1::Option1_Click(int index) {
  if (parts_->listClickBusy) return;
  NoteReadyBase();
  app_.Context.AppSettings.WorkDic = static_cast<std::int16_t>(index);
  NameWordList();
  update();
  ReadSpellingDictionaries();
  BtnPrevod_Click();
}

void Form1::SetOptionValue(int index, bool fire) {
  if (parts_->options->Check(index) && fire) Option1_Click(index);
}

void Form1::EscapeReleased(int keyCode) {
  if (keyCode != kKeyEscape) return;
  parts_->wordBox->Combo()->setEditText(QString());
  parts_->wordBox->Combo()->setFocus();
}

void Form1::Image1_Click(int index) {
  if (index < 0 || index >= kKeyCount) return;
  parts_->wordBox->Type(KeyCharacter(index), KeyCharset(index));
  if (app_.Context.AppSettings.CompleteWord) CompleteWordBox();
  parts_->wordBox->RememberSelection();
}

void Form1::TranslateForeign(const QString& text) {
  if (DictionaryCount() == 0) return;
  if (!WorkingDictionary().Initi()) {
    // Looked up as typed once the base has loaded.
    parts_->wordBox->Combo()->setEditText(text);
    WorkingBaseReady(true);
    return;
  }
  // A miss is answered as a typed one: close headwords in the word list.
  if (TranslateAndShow(text, true)) {
    BringToFront();
    return;
  }
  // Not found: the user sees what arrived and why nothing is shown; the window stays behind.
  parts_->wordBox->Combo()->setEditText(text);
  const QByteArray lower = parts_->wordBox->Text().toLower().toUtf8();
  parts_->wordBox->Combo()->setProperty(
      "charset", GuessCharset({lower.constData(), std::size_t(lower.size())}));
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

Dictionary& Form1::WorkingDictionary() {
  const int index = WorkDic();
  return *app_.Dictionaries.at(index >= 0 && index < DictionaryCount() ? index : 0);
}

Dictionary* Form1::HistoryBase() {
  return DictionaryCount() == 0 || !WorkingDictionary().Initi() ? nullptr : &WorkingDictionary();
}

int Form1::WorkDic() const {
  return app_.Context.AppSettings.WorkDic;
}

QString Form1::WordBoxText() const {
  return parts_->wordBox->Text();
}

void Form1::ShowPane(const std::string& bytes, int charset) {
  parts_->pane->Show(bytes, charset);
}

const std::string& Form1::PaneBytes() const {
  return parts_->pane->Bytes();
}

}  // namespace vokabi::ui
