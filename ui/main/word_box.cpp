#include "ui/main/word_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <utility>

#include "ui/controls/key_codes.h"

namespace vokabi::ui {

namespace {

// A recent word's item keeps its character set beside the base index (the item data).
constexpr int kCharsetRole = Qt::UserRole + 1;

}  // namespace

WordBox::WordBox(QWidget& window, const QRect& geometry) : QObject(&window) {
  combo1_ = new QComboBox(&window);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setEditable(true);
  // The list holds recent words only; the window decides what goes into it and what completes.
  combo1_->setInsertPolicy(QComboBox::NoInsert);
  combo1_->setCompleter(nullptr);
  // Leaving the box would otherwise "pick" any recent word equal to its text.
  disconnect(combo1_->lineEdit(), &QLineEdit::editingFinished, combo1_, nullptr);
  combo1_->setMaxVisibleItems(kRecentWords);
  combo1_->setGeometry(geometry);
  combo1_->setProperty("charset", 0);
  combo1_->installEventFilter(this);
  combo1_->view()->installEventFilter(this);
  combo1_->view()->window()->installEventFilter(this);
  connect(combo1_, &QComboBox::activated, this, &WordBox::Picked);
}

QString WordBox::Text() const {
  return combo1_->currentText();
}

void WordBox::Show(const QString& text, int charset) {
  combo1_->setEditText(text);
  combo1_->setProperty("charset", charset);
}

void WordBox::ShowPicked(const Recent& recent) {
  if (combo1_->currentText() != recent.text) combo1_->setEditText(recent.text);
  combo1_->setProperty("charset", recent.charset);
}

void WordBox::SelectAll() {
  QLineEdit* edit = combo1_->lineEdit();
  edit->selectAll();
  savedSelStart_ = 0;
  savedSelLength_ = static_cast<int>(edit->text().size());
}

void WordBox::RecordRecent(const QString& word, int charset, int base, const QString& current) {
  bool present = false;
  for (int i = 0; i < combo1_->count() && !present; ++i)
    present = combo1_->itemText(i) == current && combo1_->itemData(i).toInt() == base;
  if (!present) {
    if (combo1_->count() >= kRecentWords) combo1_->removeItem(combo1_->count() - 1);
    combo1_->insertItem(0, word, base);
    combo1_->setItemData(0, charset, kCharsetRole);
  }
  MarkShown(word, base);
}

void WordBox::MarkShown(const QString& word, int base) {
  int shown = -1;
  for (int i = 0; i < combo1_->count() && shown < 0; ++i) {
    if (combo1_->itemText(i) == word && combo1_->itemData(i).toInt() == base) shown = i;
  }
  // Up, Down, the wheel and the open list go on from the current item; choosing it also puts
  // its text into the box, which must stay the text being edited.
  const QString editing = combo1_->currentText();
  combo1_->setCurrentIndex(shown);
  if (combo1_->currentText() != editing) combo1_->setEditText(editing);
}

void WordBox::ForgetBase(int base) {
  for (int i = combo1_->count() - 1; i >= 0; --i) {
    const int itemBase = combo1_->itemData(i).toInt();
    if (itemBase == base) {
      combo1_->removeItem(i);
    } else if (itemBase > base) {
      combo1_->setItemData(i, itemBase - 1);
    }
  }
}

std::optional<WordBox::Recent> WordBox::Item(int index) const {
  if (index < 0 || index >= combo1_->count()) return std::nullopt;
  return Recent{combo1_->itemText(index), combo1_->itemData(index).toInt(),
                combo1_->itemData(index, kCharsetRole)};
}

void WordBox::NoteCaret() {
  savedSelStart_ = SelStart();
}

void WordBox::SelectTail() {
  const int length = static_cast<int>(combo1_->currentText().size());
  const int start = std::min(savedSelStart_, length);
  combo1_->lineEdit()->setSelection(start, length - start);
}

void WordBox::RememberSelection() {
  savedSelStart_ = SelStart();
  savedSelLength_ = SelLength();
}

void WordBox::Type(QChar letter, int charset) {
  QLineEdit* edit = combo1_->lineEdit();
  if (!hasFocus_) {
    const int length = static_cast<int>(edit->text().size());
    const int start = std::clamp(savedSelStart_, 0, length);
    edit->setCursorPosition(start);
    if (savedSelLength_ > 0) edit->setSelection(start, std::min(savedSelLength_, length - start));
  }
  edit->insert(QString(letter));
  combo1_->setProperty("charset", charset);
  NoteCaret();
}

bool WordBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == combo1_) return BoxEvent(event);
  if (watched == combo1_->view() || watched == combo1_->view()->window()) return ListEvent(event);
  return QObject::eventFilter(watched, event);
}

bool WordBox::BoxEvent(QEvent* event) {
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
      emit KeyUp(VirtualKey(key->key()), ShiftState(key->modifiers()));
      return false;
    }
    case QEvent::FocusIn:
      hasFocus_ = true;
      return false;
    case QEvent::FocusOut:
      // The on-screen keyboards insert where the user left off.
      RememberSelection();
      hasFocus_ = false;
      return false;
    default:
      return false;
  }
}

bool WordBox::ListEvent(QEvent* event) {
  // The open list closes on Escape's shortcut test or on its press, whichever it gets.
  const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
  if (key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      combo1_->view()->isVisible())
    escapeClosedList_ = true;
  return false;
}

int WordBox::SelStart() const {
  const QLineEdit* edit = combo1_->lineEdit();
  return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

int WordBox::SelLength() const {
  return static_cast<int>(combo1_->lineEdit()->selectedText().size());
}

}  // namespace vokabi::ui
