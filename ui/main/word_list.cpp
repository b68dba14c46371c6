#include "ui/main/word_list.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QResizeEvent>
#include <algorithm>

#include "ui/controls/colour.h"
#include "ui/main/engine_text.h"
#include "ui/main/word_list_accessible.h"

namespace vokabi::ui {
namespace {

// Wrap limits for 18-pixel rows: a wrap jumps 162, nine rows, so the rows join seamlessly.
constexpr int kUpWrapBelow = -8;
constexpr int kUpWrapTo = 152;
constexpr int kDownWrapAbove = 153;
constexpr int kDownWrapTo = -8;
// No scroll needs more than a full turn of the list; the cap keeps a bad target from looping.
constexpr int kMaxFrames = WordList::kRows * WordList::kRowHeight / WordList::kStep;

bool HasWord(const std::vector<std::string>& words, int index) {
  return index >= 0 && index < static_cast<int>(words.size());
}

}  // namespace

std::vector<std::string> SplitNeighbours(const std::string& list) {
  std::vector<std::string> words;
  if (list.empty()) return words;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = list.find("\r\n", from);
    words.push_back(list.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) return words;
    from = at + 2;
  }
}

namespace {

std::int32_t PositionAt(const std::vector<std::int32_t>& positions, int index) {
  return index >= 0 && index < static_cast<int>(positions.size())
             ? positions[static_cast<std::size_t>(index)]
             : 0;
}

}  // namespace

WordList::WordList(WordListHost& host, ErrorClass& appError, QWidget* parent)
    : QWidget(parent), host_(host), appError_(appError) {
  InstallWordListAccessibility();
  setObjectName(QStringLiteral("PictureLAB"));
  setFixedHeight(kRows * kRowHeight);
  setAutoFillBackground(true);
  // Tab reaches the list; a click leaves the focus in the word box for the next word.
  setFocusPolicy(Qt::TabFocus);
  for (int i = 0; i < kRows; ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("LabelDumi_%1").arg(i));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setGeometry(1, i * kRowHeight, std::max(0, width() - 2), kRowHeight);
    label->installEventFilter(this);
    labels_[i] = label;
  }
  frameTimer_ = new QTimer(this);
  frameTimer_->setObjectName(QStringLiteral("ScrollTimer"));
  frameTimer_->setInterval(kFrameMs);
  frameTimer_->setTimerType(Qt::PreciseTimer);
  connect(frameTimer_, &QTimer::timeout, this, &WordList::AfterRest);
}

void WordList::FillWordList(int /*dictionaryIndex*/, std::int32_t position, const std::string& word,
                            int wordCharset) {
  // A new list ends any scroll still under way.
  frameTimer_->stop();
  scrolling_ = false;
  suggesting_ = false;
  ++fills_;

  Dictionary& dictionary = host_.WorkingDictionary();
  const std::vector<std::string> words = SplitNeighbours(dictionary.Load5Etikets(position));
  const std::vector<std::int32_t> positions = dictionary.NeighbourPositions(position);
  const int count = static_cast<int>(words.size());

  QLabel* first = labels_[0];
  first->show();
  first->move(1, 0);
  SetWord(0, count > 0 ? words[0] : std::string(), wordCharset, PositionAt(positions, 0));
  SetTag(0);
  for (int i = 1; i < kRows; ++i) {
    QLabel* label = labels_[i];
    SetTag(i);
    label->move(first->x(), Top(i - 1) + labels_[i - 1]->height());
    if (i >= count) {
      label->hide();
    } else {
      SetWord(i, words[i], wordCharset, PositionAt(positions, i));
      label->show();
    }
    // A row hanging below the panel's bottom edge stays hidden.
    if (Top(i) + label->height() > y() + height()) label->hide();
  }

  const SchemeColours& colours = host_.Colours();
  for (int i = 0; i < kRows; ++i) Paint(i, false, colours);
  if (position > 5) {
    Paint(kMiddleRow, true, colours);
    highlightedLabel_ = kMiddleRow;
    NoteEntries(position);
    return;
  }
  // The list starts at the base's first headword, so the word may stand in any row.
  const QString shown = DecodeText(wordCharset, word);
  for (int j = 0; j < std::min(count, kRows); ++j) {
    if (texts_[j].compare(shown, Qt::CaseInsensitive) == 0) {
      Paint(j, true, colours);
      highlightedLabel_ = j;
    }
  }
  NoteEntries(position);
}

void WordList::ShowSuggestions(const std::vector<std::string>& words, int charset,
                               const std::vector<std::int32_t>& positions) {
  frameTimer_->stop();
  scrolling_ = false;
  suggesting_ = true;
  ++fills_;
  const SchemeColours& colours = host_.Colours();
  const int count = static_cast<int>(words.size());
  for (int i = 0; i < kRows; ++i) {
    SetTop(i, i * kRowHeight);
    SetTag(i);
    SetWord(i, i < count ? words[static_cast<std::size_t>(i)] : std::string(), charset,
            PositionAt(positions, i));
    labels_[i]->setVisible(i < count);
    Paint(i, false, colours);
  }
  highlightedLabel_ = -1;
  firstEntry_ = -1;
  highlightEntry_ = -1;
}

void WordList::LabelDumi_Click(int index) {
  if (scrolling_ || index < 0 || index >= kRows) return;
  appError_.Clear();
  Dictionary& dictionary = host_.WorkingDictionary();
  const std::string caption = words_[index];
  const int tag = labels_[index]->property("Tag").toString().toInt();

  const std::int32_t position = positions_[index];
  if (suggesting_) {
    if (tag == host_.WorkDic() && position > 0) {
      // Its own entry, which fills the list with its neighbours.
      if (!host_.TranslateEntryAt(position, true))
        host_.ShowPane(appError_.MsgText(), appError_.Language().LanguageCharset);
      return;
    }
    // Looked up as if typed.
    host_.ShowWordBox(caption, charsets_[index]);
    if (tag != host_.WorkDic()) {
      host_.SelectOption(tag);
    } else {
      host_.TranslateWordBox();
    }
    return;
  }

  // The current entry itself; a word written alike on the other side is another entry.
  if (caption == dictionary.Duma() && (position == 0 || position == dictionary.DumaPosition())) {
    if (texts_[index] == host_.WordBoxText() && host_.PaneBytes() == dictionary.Prevod()) {
      return;
    }
    host_.ShowWordBox(dictionary.Duma(), dictionary.DumaCHSet());
    host_.ShowPane(dictionary.Prevod(), dictionary.PrevodCHSet());
    host_.SelectWordBoxText();
    return;
  }

  if (tag != host_.WorkDic()) {
    // The option button's handler switches to the list's base and looks the word up there.
    host_.ShowWordBox(caption, charsets_[index]);
    host_.SelectOption(tag);
    return;
  }

  // The headword at that position, on its own side, not whatever a search for its text finds.
  const bool found =
      position > 0 ? host_.TranslateEntryAt(position, false) : dictionary.Translate(caption);
  if (!found) {
    // A body that does not decipher says so; anything else means the list is not this base's.
    if (appError_.Nomer() != msg::kMissingFile) appError_.SetNomer(msg::kListFromOtherBase);
    host_.ShowPane(appError_.MsgText(), appError_.Language().LanguageCharset);
    return;
  }
  if (position == 0) {
    host_.ShowWordBox(dictionary.Duma(), dictionary.DumaCHSet());
    host_.ShowPane(dictionary.Prevod(), dictionary.PrevodCHSet());
    host_.RecordRecent(dictionary.Duma(), dictionary.DumaCHSet(), host_.WorkDic());
    host_.SelectWordBoxText();
  }
  for (int i = 0; i < kRows; ++i) SetWord(i, words_[i], dictionary.DumaCHSet(), positions_[i]);

  // The window catches up before the scroll; clicks arriving meanwhile are ignored, and a list
  // filled meanwhile wins over this one.
  scrolling_ = true;
  const unsigned fills = fills_;
  QCoreApplication::processEvents();
  if (fills != fills_) return;

  const SchemeColours& colours = host_.Colours();
  if (highlightedLabel_ >= 0) Paint(highlightedLabel_, false, colours);
  Paint(index, true, colours);
  ScrollWordList(Top(index) / labels_[0]->height(), index);
}

int WordList::HighlightedLabel() const {
  return highlightedLabel_;
}

QLabel* WordList::Label(int index) const {
  return labels_.at(static_cast<std::size_t>(index));
}

const std::string& WordList::Word(int index) const {
  return words_.at(static_cast<std::size_t>(index));
}

int WordList::WordCharset(int index) const {
  return charsets_.at(static_cast<std::size_t>(index));
}

std::int32_t WordList::Position(int index) const {
  return positions_.at(static_cast<std::size_t>(index));
}

void WordList::Dress(const SchemeColours& colours, const QFont& font) {
  // Face and size only: each label keeps the character set of the word it shows.
  QFont labelFont(font.family());
  if (font.pointSizeF() > 0) {
    labelFont.setPointSizeF(font.pointSizeF());
  } else {
    labelFont.setPixelSize(font.pixelSize());
  }
  labelFont.setBold(false);
  labelFont.setItalic(false);

  QPalette panel = palette();
  panel.setColor(QPalette::Window, ToQColor(colours.listBack));
  setPalette(panel);
  for (int i = 0; i < kRows; ++i) {
    labels_[i]->setFont(labelFont);
    ShowText(i);
    Paint(i, highlighted_[i], colours);
  }
}

bool WordList::Scrolling() const {
  return scrolling_;
}

void WordList::FinishScroll() {
  while (frameTimer_->isActive()) AfterRest();
}

void WordList::ScrollWordList(int slot, int index) {
  Dictionary& dictionary = host_.WorkingDictionary();
  const std::int32_t position = dictionary.PredniDumi();
  scroll_ = Scroll{};
  scroll_.label = index;
  scroll_.position = position;
  scroll_.words = SplitNeighbours(dictionary.Load5Etikets(position));
  scroll_.positions = dictionary.NeighbourPositions(position);
  const std::vector<std::string>& words = scroll_.words;
  const int h = labels_[0]->height();

  if (position == 1) {
    // The new list starts at the first headword: the clicked word moves down to its own row.
    // The entry itself, where its position is known: a word written alike on the other side is
    // another row.
    const std::vector<std::int32_t>& positions = scroll_.positions;
    const bool byPosition = positions_[index] > 0 && positions.size() == words.size();
    const auto same = [&](int row) {
      return byPosition ? positions[static_cast<std::size_t>(row)] == positions_[index]
                        : words[static_cast<std::size_t>(row)] == words_[index];
    };
    if (HasWord(words, slot) && same(slot)) return EndScroll();
    int row = 0;
    while (row < static_cast<int>(words.size()) && !same(row)) ++row;
    if (row == static_cast<int>(words.size()) || row < slot) return EndScroll();
    scroll_.fromFirst = true;
    scroll_.up = false;
    scroll_.target = Top(index) + (row - slot) * h;
    scroll_.counter = row - slot - 1;
  } else if (slot == kMiddleRow) {
    return EndScroll();
  } else {
    scroll_.up = slot > kMiddleRow;
    scroll_.target = kMiddleRow * h;
    scroll_.counter = slot;
  }

  scrolling_ = true;
  Frame();
  frameTimer_->start();
}

// One frame runs straight through, so no input lands between the labels' moves.
void WordList::Frame() {
  const int step = scroll_.up ? -kStep : kStep;
  for (int i = 0; i < kRows; ++i) {
    Wrap(i);
    SetTop(i, Top(i) + step);
  }
  ++scroll_.frames;
}

void WordList::Wrap(int index) {
  QLabel* label = labels_[index];
  int row = 0;
  if (scroll_.up) {
    if (Top(index) >= kUpWrapBelow) return;
    SetTop(index, kUpWrapTo);
    SetTag(index);
    // The rows below the middle take the headwords after the new current one.
    row = kRows + kMiddleRow - scroll_.counter--;
  } else {
    if (Top(index) <= kDownWrapAbove) return;
    SetTop(index, kDownWrapTo);
    label->show();
    SetTag(index);
    row = scroll_.fromFirst ? scroll_.counter-- : kMiddleRow - 1 - scroll_.counter++;
  }
  if (HasWord(scroll_.words, row)) {
    SetWord(index, scroll_.words[static_cast<std::size_t>(row)], charsets_[index],
            PositionAt(scroll_.positions, row));
  } else {
    label->hide();
  }
}

void WordList::AfterRest() {
  const int top = Top(scroll_.label);
  const bool reached = scroll_.up ? top <= scroll_.target : top >= scroll_.target;
  if (reached || scroll_.frames >= kMaxFrames) {
    EndScroll();
  } else {
    Frame();
  }
}

void WordList::EndScroll() {
  frameTimer_->stop();
  scrolling_ = false;
  highlightedLabel_ = scroll_.label;
  NoteEntries(scroll_.position);
}

bool WordList::eventFilter(QObject* watched, QEvent* event) {
  const int index = IndexOf(watched);
  const bool press = event->type() == QEvent::MouseButtonPress;
  const bool release = event->type() == QEvent::MouseButtonRelease;
  if (index < 0 || (!press && !release)) return QWidget::eventFilter(watched, event);

  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return QWidget::eventFilter(watched, event);
  if (press) {
    // A press during a scroll would land on whatever word slides under the pointer.
    pressedLabel_ = scrolling_ ? -1 : index;
    return true;
  }
  const bool clicked =
      pressedLabel_ == index && labels_[index]->rect().contains(mouse->position().toPoint());
  pressedLabel_ = -1;
  if (clicked) LabelDumi_Click(index);
  return true;
}

void WordList::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  for (int i = 0; i < kRows; ++i) {
    labels_[i]->resize(std::max(0, width() - 2), kRowHeight);
    ShowText(i);
  }
}

void WordList::SetWord(int index, const std::string& bytes, int charset, std::int32_t position) {
  words_[index] = bytes;
  positions_[index] = position;
  charsets_[index] = charset;
  texts_[index] = DecodeText(charset, bytes);
  ShowText(index);
}

void WordList::ShowText(int index) {
  QLabel* label = labels_[index];
  const QString& text = texts_[index];
  label->setText(
      label->fontMetrics().elidedText(text, Qt::ElideRight, label->contentsRect().width()));
  label->setToolTip(text);
}

void WordList::Paint(int index, bool highlighted, const SchemeColours& colours) {
  const bool changed = highlighted_[index] != highlighted;
  highlighted_[index] = highlighted;
  if (changed && QAccessible::isActive()) {
    QAccessible::State selected;
    selected.selected = true;
    QAccessibleStateChangeEvent event(labels_[index], selected);
    QAccessible::updateAccessibility(&event);
    if (highlighted && hasFocus()) {
      QAccessibleEvent focus(labels_[index], QAccessible::Focus);
      QAccessible::updateAccessibility(&focus);
    }
  }
  QPalette palette = labels_[index]->palette();
  palette.setColor(QPalette::WindowText,
                   ToQColor(highlighted ? colours.listBack : colours.listText));
  palette.setColor(QPalette::Window,
                   ToQColor(highlighted ? colours.listHighlight : colours.listBack));
  labels_[index]->setPalette(palette);
  // The keyboard's place: a frame in the highlight's text colour while the list has the focus.
  const bool framed = highlighted && hasFocus();
  if ((labels_[index]->frameStyle() != QFrame::NoFrame) != framed) {
    labels_[index]->setFrameStyle(framed ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    ShowText(index);
  }
}

int WordList::Top(int index) const {
  return labels_[index]->y();
}

void WordList::SetTop(int index, int top) {
  labels_[index]->move(labels_[index]->x(), top);
}

void WordList::ForgetBase(int base) {
  for (QLabel* label : labels_) {
    const int tag = label->property("Tag").toString().toInt();
    if (tag > base) label->setProperty("Tag", QString::number(tag - 1));
  }
  if (listBase_ == base) {
    listBase_ = -1;
  } else if (listBase_ > base) {
    --listBase_;
  }
}

void WordList::SetTag(int index) {
  labels_[index]->setProperty("Tag", QString::number(host_.WorkDic()));
}

int WordList::IndexOf(const QObject* label) const {
  const auto found = std::find(labels_.begin(), labels_.end(), label);
  return found == labels_.end() ? -1 : static_cast<int>(found - labels_.begin());
}

}  // namespace vokabi::ui
