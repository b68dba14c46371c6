#include "ui/main/flag_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

namespace vokabi::ui {

namespace {

constexpr int kMarkWidth = 2;
constexpr int kShortcuts = 9;

}  // namespace

FlagButton::FlagButton(QWidget* parent) : QToolButton(parent) {
  setCheckable(true);
  setAutoFillBackground(true);
  // Tab reaches it; a click chooses the base and leaves the focus in the word box.
  setFocusPolicy(Qt::TabFocus);
}

void FlagButton::SetMarkColour(Colour colour) {
  mark_ = colour;
  update();
}

void FlagButton::SetNumber(int index) {
  if (index < 0 || index >= kShortcuts) return;
  auto* shortcut = new QShortcut(
      QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_1 + index))), this, this,
      [this] { click(); }, Qt::WindowShortcut);
  shortcut->setObjectName(QStringLiteral("ChooseBase_%1").arg(index + 1));
}

void FlagButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
    click();
    return;
  }
  QToolButton::keyPressEvent(event);
}

void FlagButton::focusInEvent(QFocusEvent* event) {
  // A button of an exclusive group takes the other buttons out of the Tab order when it gets
  // the focus, as radio buttons are; every flag stays in it.
  QWidget::focusInEvent(event);
  update();
}

void FlagButton::paintEvent(QPaintEvent* event) {
  QToolButton::paintEvent(event);
  QPainter painter(this);
  const QColor mark = ToQColor(mark_);
  const int w = width();
  const int h = height();
  if (isChecked()) {
    painter.fillRect(0, 0, w, kMarkWidth, mark);
    painter.fillRect(0, h - kMarkWidth, w, kMarkWidth, mark);
    painter.fillRect(0, 0, kMarkWidth, h, mark);
    painter.fillRect(w - kMarkWidth, 0, kMarkWidth, h, mark);
  }
  if (hasFocus()) {
    // The keyboard's place, inside the chosen base's frame.
    painter.setPen(QPen(mark, 1, Qt::DotLine));
    painter.drawRect(kMarkWidth + 1, kMarkWidth + 1, w - 2 * kMarkWidth - 3,
                     h - 2 * kMarkWidth - 3);
  }
}

}  // namespace vokabi::ui
