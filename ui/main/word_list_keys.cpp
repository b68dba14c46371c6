// The word list from the keyboard and the wheel: the highlight walks the base, Enter translates.
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>

#include "ui/main/word_list.h"

namespace vokabi::ui {

namespace {

// Farther than any base reaches: Home and End walk this far and stop at the base's ends.
constexpr int kFar = 1 << 30;
constexpr int kWheelNotch = 120;

}  // namespace

void WordList::TranslateHighlighted() {
  if (highlightedLabel_ >= 0 && !labels_[highlightedLabel_]->isHidden()) {
    LabelDumi_Click(highlightedLabel_);
  }
}

void WordList::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    // Ctrl+digit chooses a base; the window hears it.
    QWidget::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Up:
      MoveHighlight(-1);
      break;
    case Qt::Key_Down:
      MoveHighlight(1);
      break;
    case Qt::Key_PageUp:
      MoveHighlight(-kRows);
      break;
    case Qt::Key_PageDown:
      MoveHighlight(kRows);
      break;
    case Qt::Key_Home:
      MoveHighlight(-kFar);
      break;
    case Qt::Key_End:
      MoveHighlight(kFar);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      TranslateHighlighted();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void WordList::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (scrolling_) return;
  wheelAngle_ += event->angleDelta().y();
  const int notches = wheelAngle_ / kWheelNotch;
  if (notches == 0) return;
  wheelAngle_ -= notches * kWheelNotch;
  // Turning the wheel away from the user shows the headwords before.
  ScrollRows(-notches * std::max(1, QApplication::wheelScrollLines()));
}

void WordList::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // The keyboard needs a place to start from.
  if (highlightedLabel_ < 0 || !highlighted_[highlightedLabel_]) {
    MoveHighlight(0);
  } else {
    Paint(highlightedLabel_, true, host_.Colours());
  }
}

void WordList::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (highlightedLabel_ >= 0)
    Paint(highlightedLabel_, highlighted_[highlightedLabel_], host_.Colours());
}

void WordList::MoveHighlight(int steps) {
  // Nothing shown yet, or a scroll under way.
  if (scrolling_ || (listBase_ < 0 && !suggesting_)) return;
  const int visible = VisibleRows();
  if (!CanWalkBase()) {
    // Suggestions, or rows of another base: the walk stays among the rows shown.
    if (visible == 0) return;
    const bool lit = highlightedLabel_ >= 0 && highlighted_[highlightedLabel_];
    const int row = lit ? RowOf(highlightedLabel_) : 0;
    const int target =
        lit ? static_cast<int>(std::clamp<std::int64_t>(std::int64_t{row} + steps, 0, visible - 1))
            : 0;
    const SchemeColours& colours = host_.Colours();
    for (int i = 0; i < kRows; ++i) {
      const bool now = !labels_[i]->isHidden() && RowOf(i) == target;
      if (now) highlightedLabel_ = i;
      if (now != highlighted_[i]) Paint(i, now, colours);
    }
    return;
  }
  const std::int32_t count = host_.WorkingDictionary().EntryCount();
  // Nothing highlighted yet: the first key lights the top row.
  const std::int32_t target = highlightEntry_ < 0
                                  ? firstEntry_
                                  : static_cast<std::int32_t>(std::clamp<std::int64_t>(
                                        std::int64_t{highlightEntry_} + steps, 0, count - 1));
  std::int32_t first = firstEntry_;
  if (target < first) first = target;
  if (target > first + visible - 1) first = std::max(0, target - (kRows - 1));
  ShowEntries(first, target);
}

void WordList::ScrollRows(int rows) {
  if (!CanWalkBase()) return;
  const std::int32_t count = host_.WorkingDictionary().EntryCount();
  // The last rows of the base stay full; a list already shorter stays where it is.
  const std::int32_t last = std::max(firstEntry_, count - kRows);
  const auto first = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(std::int64_t{firstEntry_} + rows, 0, std::max(0, last)));
  if (first != firstEntry_) ShowEntries(first, highlightEntry_);
}

void WordList::ShowEntries(std::int32_t first, std::int32_t highlight) {
  Dictionary& dictionary = host_.WorkingDictionary();
  const std::int32_t position = dictionary.EntryPosition(first);
  const std::vector<std::string> words = SplitNeighbours(dictionary.Load5Etikets(position));
  const std::vector<int> charsets = dictionary.NeighbourCharsets(position);
  const SchemeColours& colours = host_.Colours();
  firstEntry_ = first;
  highlightEntry_ = highlight;
  highlightedLabel_ = -1;
  for (int i = 0; i < kRows; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const bool shown = at < words.size();
    SetTop(i, i * kRowHeight);
    SetTag(i);
    SetWord(i, shown ? words[at] : std::string(),
            at < charsets.size() ? charsets[at] : charsets_[i],
            shown ? dictionary.EntryPosition(first + i) : 0);
    labels_[i]->setVisible(shown);
    const bool lit = shown && first + i == highlight;
    if (lit) highlightedLabel_ = i;
    Paint(i, lit, colours);
  }
}

void WordList::NoteEntries(std::int32_t position) {
  Dictionary& dictionary = host_.WorkingDictionary();
  listBase_ = host_.WorkDic();
  firstEntry_ = dictionary.EntryNumber(position);
  highlightEntry_ = -1;
  if (firstEntry_ < 0) return;
  for (int i = 0; i < kRows; ++i) {
    if (highlighted_[i] && !labels_[i]->isHidden()) highlightEntry_ = firstEntry_ + RowOf(i);
  }
}

bool WordList::CanWalkBase() const {
  return !suggesting_ && firstEntry_ >= 0 && listBase_ == host_.WorkDic();
}

int WordList::VisibleRows() const {
  return static_cast<int>(
      std::count_if(labels_.begin(), labels_.end(), [](QLabel* l) { return !l->isHidden(); }));
}

int WordList::RowOf(int index) const {
  return Top(index) / kRowHeight;
}

}  // namespace vokabi::ui
