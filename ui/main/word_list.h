#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "engine/dictionary.h"
#include "ui/controls/schemes.h"

namespace vokabi::ui {

// What the word list needs from the main window that hosts it.
class WordListHost {
 public:
  virtual ~WordListHost() = default;
  virtual Dictionary& WorkingDictionary() = 0;
  virtual int WorkDic() const = 0;
  virtual QString WordBoxText() const = 0;
  // Shows engine text in the word box or the translation pane, decoded with its character set.
  virtual void ShowWordBox(const std::string& bytes, int charset) = 0;
  virtual void ShowPane(const std::string& bytes, int charset) = 0;
  // The program's own copy of what the pane shows, as engine bytes.
  virtual const std::string& PaneBytes() const = 0;
  // Selects dictionary option button index; its handler switches base and translates.
  virtual void SelectOption(int index) = 0;
  // Records a found word in the word box's list of recent words.
  virtual void RecordRecent(const std::string& word, int charset, int dictionaryIndex) = 0;
  virtual const SchemeColours& Colours() const = 0;
};

// PictureLAB: the panel of nine headword labels (LabelDumi 0 to 8) around the word last
// translated, the current one highlighted; clicking a word translates it and scrolls the list
// until it stands in the middle row.
class WordList : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRows = 9;
  static constexpr int kRowHeight = 18;

  WordList(WordListHost& host, QWidget* parent = nullptr);

  void FillWordList(int dictionaryIndex, std::int32_t position, const std::string& word,
                    int wordCharset);
  void LabelDumi_Click(int index);
  int HighlightedLabel() const;
  QLabel* Label(int index) const;
  // Colours and font for the labels, as the window's dressing gives them.
  void Dress(const SchemeColours& colours, const QFont& font);
  bool Scrolling() const;
};

}  // namespace vokabi::ui
