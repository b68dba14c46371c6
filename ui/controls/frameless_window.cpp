#include "ui/controls/frameless_window.h"

#include <QPainter>
#include <QRegion>

#include "ui/controls/surface_drag.h"
#include "ui/controls/window_frame.h"

namespace vokabi::ui {

FramelessWindow::FramelessWindow(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags | Qt::FramelessWindowHint), drag_(new SurfaceDrag(*this)) {
  drag_->Watch(this);
}

void FramelessWindow::Restyle(const SchemeColours& colours) {
  // Painted, not set as the palette: the children keep their own colours.
  scheme_ = colours;
  update();
}

void FramelessWindow::DragBy(QWidget* surface) {
  drag_->Watch(surface);
}

void FramelessWindow::ClipToClientArea() {
  setMask(QRegion(rect()));
}

void FramelessWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(scheme_.optionBack));
  ShadeWindowFrame(painter, width(), height(), scheme_.optionBack);
}

void FramelessWindow::resizeEvent(QResizeEvent* event) {
  ClipToClientArea();
  QWidget::resizeEvent(event);
}

}  // namespace vokabi::ui
