// The back and next buttons walk the working base's own history. They show a stored entry without
// looking it up again, so the base's current entry, and with it the recent words, stay as the
// last lookup left them.
#include <string>

#include "ui/main/form1.h"

namespace vokabi::ui {

void Form1::BtnBack_Click() {
  if (DictionaryCount() == 0) return;
  Dictionary& dictionary = WorkingDictionary();
  if (dictionary.MovePredna()) ShowHistoryEntry(dictionary);
}

void Form1::BtnNext_Click() {
  if (DictionaryCount() == 0) return;
  Dictionary& dictionary = WorkingDictionary();
  if (dictionary.MoveSledvasta()) ShowHistoryEntry(dictionary);
}

void Form1::ShowHistoryEntry(Dictionary& dictionary) {
  // Copies: showing must not depend on the history entry staying where it is.
  const std::string word = dictionary.PrednaDuma();
  const std::string translation = dictionary.PredenPrevod();
  const std::int32_t position = dictionary.PrednaPredni5();
  const int wordCharset = dictionary.HistCharset1();
  const int translationCharset = dictionary.HistCharset2();
  ShowTranslation(word, translation, position, wordCharset, translationCharset, WorkDic());
}

}  // namespace vokabi::ui
