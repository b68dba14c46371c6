#include "ui/main/history_buttons.h"

namespace vokabi::ui {

HistoryButtons::HistoryButtons(HistoryHost& host, QObject* parent) : QObject(parent), host_(host) {
  setObjectName(QStringLiteral("History"));
}

void HistoryButtons::Back() {
  Dictionary* dictionary = host_.HistoryBase();
  if (dictionary != nullptr && dictionary->MovePredna()) Show(*dictionary);
}

void HistoryButtons::Next() {
  Dictionary* dictionary = host_.HistoryBase();
  if (dictionary != nullptr && dictionary->MoveSledvasta()) Show(*dictionary);
}

void HistoryButtons::Show(Dictionary& dictionary) {
  // Copies: showing must not depend on the history entry staying where it is.
  const std::string word = dictionary.PrednaDuma();
  const std::string translation = dictionary.PredenPrevod();
  const std::int32_t position = dictionary.PrednaPredni5();
  const int wordCharset = dictionary.HistCharset1();
  const int translationCharset = dictionary.HistCharset2();
  host_.ShowTranslation(word, translation, position, wordCharset, translationCharset,
                        host_.WorkDic());
}

}  // namespace vokabi::ui
