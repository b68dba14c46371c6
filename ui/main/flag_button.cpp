#include "ui/main/flag_button.h"

#include <QPainter>

namespace vokabi::ui {

namespace {

constexpr int kMarkWidth = 2;

}  // namespace

FlagButton::FlagButton(QWidget* parent) : QToolButton(parent) {
  setCheckable(true);
  setAutoFillBackground(true);
}

void FlagButton::SetMarkColour(Colour colour) {
  mark_ = colour;
  update();
}

void FlagButton::paintEvent(QPaintEvent* event) {
  QToolButton::paintEvent(event);
  if (!isChecked()) return;
  QPainter painter(this);
  const QColor mark = ToQColor(mark_);
  const int w = width();
  const int h = height();
  painter.fillRect(0, 0, w, kMarkWidth, mark);
  painter.fillRect(0, h - kMarkWidth, w, kMarkWidth, mark);
  painter.fillRect(0, 0, kMarkWidth, h, mark);
  painter.fillRect(w - kMarkWidth, 0, kMarkWidth, h, mark);
}

}  // namespace vokabi::ui
