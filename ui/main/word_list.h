#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/error_class.h"
#include "engine/dictionary.h"
#include "ui/controls/schemes.h"

namespace vokabi::ui {

// Load5Etikets gives the headwords joined by CR LF; an empty text is an empty list.
std::vector<std::string> SplitNeighbours(const std::string& list);

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
  // Runs the translate action on the word box's text.
  virtual void TranslateWordBox() = 0;
  // Translates the working base's entry at the position, on its own side, and shows it as the
  // translate action does; with fillList the word list then shows its neighbours. False, with
  // the message set and nothing shown, when the entry cannot be read.
  virtual bool TranslateEntryAt(std::int32_t position, bool fillList) = 0;
  // Selects the word box's text after a lookup, so the next word typed replaces it.
  virtual void SelectWordBoxText() = 0;
  // Records a found word in the word box's list of recent words.
  virtual void RecordRecent(const std::string& word, int charset, int dictionaryIndex) = 0;
  virtual const SchemeColours& Colours() const = 0;
};

// PictureLAB: the panel of nine headword labels (LabelDumi 0 to 8) around the word last
// translated, the current one highlighted; clicking a word translates it and scrolls the list
// until it stands in the middle row. After a miss it may hold headwords close to the word
// instead; clicking one of those translates it as if typed.
class WordList : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRows = 9;
  static constexpr int kRowHeight = 18;
  static constexpr int kMiddleRow = 4;
  // One frame of the scroll: every label moves by kStep, then the list rests kFrameMs.
  static constexpr int kStep = 2;
  static constexpr int kFrameMs = 20;

  // Lookups report to appError, whose language the list's messages are shown in.
  WordList(WordListHost& host, ErrorClass& appError, QWidget* parent = nullptr);

  // The nine headwords from position on, the word highlighted. The list always comes from the
  // host's working dictionary: the window passes WorkDic as dictionaryIndex.
  void FillWordList(int dictionaryIndex, std::int32_t position, const std::string& word,
                    int wordCharset);
  // Headwords close to a word not found, in place of the neighbours, none highlighted; positions
  // are their entries' (0 for one not known).
  void ShowSuggestions(const std::vector<std::string>& words, int charset,
                       const std::vector<std::int32_t>& positions = {});
  bool ShowsSuggestions() const { return suggesting_; }
  void LabelDumi_Click(int index);
  // A base left the list: rows of the bases after it now belong one place up.
  void ForgetBase(int base);
  // Enter: translates the highlighted headword as a click on it does.
  void TranslateHighlighted();
  // The highlighted label, -1 for none.
  int HighlightedLabel() const;
  // Whether label index wears the highlight.
  bool Highlighted(int index) const { return highlighted_.at(static_cast<std::size_t>(index)); }
  QLabel* Label(int index) const;
  // Colours and font for the labels, as the window's dressing gives them.
  void Dress(const SchemeColours& colours, const QFont& font);
  bool Scrolling() const;
  // Runs what is left of a scroll at once, without the rests between frames.
  void FinishScroll();
  // The label's headword as the engine holds it, and the character set it is shown in.
  const std::string& Word(int index) const;
  int WordCharset(int index) const;
  // Where the label's headword stands in the base: a click translates that entry.
  std::int32_t Position(int index) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Scroll {
    int label = 0;              // the clicked label, which stops the scroll
    std::int32_t position = 0;  // where the list the scroll shows begins
    bool up = false;
    int target = 0;          // Top the clicked label must reach
    bool fromFirst = false;  // the new list starts at the base's first headword
    int counter = 0;         // picks the headword a wrapping label takes
    std::vector<std::string> words;
    std::vector<std::int32_t> positions;
    int frames = 0;
  };

  void ScrollWordList(int slot, int index);
  void Frame();
  void Wrap(int index);
  void AfterRest();
  void EndScroll();

  // The keyboard's walk: the highlight moves to the entry `steps` away (clamped to the base),
  // and the list scrolls when that entry lies outside it.
  void MoveHighlight(int steps);
  // Scrolls the list by rows entries, the highlight staying on its entry.
  void ScrollRows(int rows);
  // Shows the nine entries from entry number first on, rows in label order, and highlights the
  // one numbered highlight when it is among them.
  void ShowEntries(std::int32_t first, std::int32_t highlight);
  // Remembers which entries the list shows once its labels have come to rest.
  void NoteEntries(std::int32_t position);
  // Whether the rows can be scrolled through the working base: they came from it, in order.
  bool CanWalkBase() const;
  int VisibleRows() const;
  int RowOf(int index) const;

  void SetWord(int index, const std::string& bytes, int charset, std::int32_t position);
  // A headword wider than its label ends in "…"; the tooltip holds all of it.
  void ShowText(int index);
  void Paint(int index, bool highlighted, const SchemeColours& colours);
  int Top(int index) const;
  void SetTop(int index, int top);
  void SetTag(int index);
  int IndexOf(const QObject* label) const;

  WordListHost& host_;
  ErrorClass& appError_;
  std::array<QLabel*, kRows> labels_{};
  std::array<std::string, kRows> words_;
  std::array<QString, kRows> texts_;  // the whole headwords the labels show
  std::array<int, kRows> charsets_{};
  std::array<std::int32_t, kRows> positions_{};
  std::array<bool, kRows> highlighted_{};
  int highlightedLabel_ = 0;  // -1 while suggestions are shown
  // Entry numbers in the working base of the top row and of the highlighted word, -1 when the
  // rows are not a run of the base (suggestions) or nothing is highlighted.
  std::int32_t firstEntry_ = -1;
  std::int32_t highlightEntry_ = -1;
  int listBase_ = -1;   // WorkDic when the rows were filled
  int wheelAngle_ = 0;  // a touchpad's wheel turns in steps smaller than a notch
  bool suggesting_ = false;
  int pressedLabel_ = -1;
  bool scrolling_ = false;
  unsigned fills_ = 0;
  Scroll scroll_;
  QTimer* frameTimer_ = nullptr;
};

}  // namespace vokabi::ui
