// The window draws its own frame: the shaded edge, the shape of its client area, the minimise
// and close pictures, and dragging by its background.
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWindow>

#include "ui/controls/button.h"
#include "ui/controls/window_frame.h"
#include "ui/main/form1.h"

namespace vokabi::ui {

namespace {

constexpr int kPictureSize = 10;
constexpr Colour kPictureMask = 0xFFFFFF;

// A small black picture on the mask colour, which the button leaves transparent.
QImage FramePicture(bool cross) {
  QImage picture(kPictureSize, kPictureSize, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(QPen(Qt::black, 2));
  if (cross) {
    painter.drawLine(1, 1, kPictureSize - 2, kPictureSize - 2);
    painter.drawLine(1, kPictureSize - 2, kPictureSize - 2, 1);
  } else {
    painter.drawLine(1, kPictureSize - 2, kPictureSize - 2, kPictureSize - 2);
  }
  return picture;
}

}  // namespace

void Form1::DrawFramePictures() {
  for (Button* button : {btnMin_, btnClose_, btnCloseCyr_, btnCloseLat_}) {
    button->DisableRefresh();
    button->SetPictureNormal(FramePicture(button != btnMin_));
    button->SetMaskColor(kPictureMask);
    button->SetUseMaskColor(true);
    button->SetPicturePosition(4);
    button->SetBord(false);
    button->Refresh();
  }
}

void Form1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(app_.Colours.optionBack));
  RabF1(painter, 0, width(), 0, height(), app_.Colours.optionBack);
}

void Form1::resizeEvent(QResizeEvent* event) {
  // The background label covers the whole client area, so all of it drags the window.
  labelFon_->setGeometry(rect());
  ClipToClientArea();
  QWidget::resizeEvent(event);
}

void Form1::ClipToClientArea() {
  setMask(QRegion(rect()));
}

void Form1::mousePressEvent(QMouseEvent* event) {
  DragPress(*event);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
  DragMove(*event);
}

void Form1::mouseReleaseEvent(QMouseEvent*) {
  DragRelease();
}

bool Form1::DragEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      DragPress(*static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseMove:
      DragMove(*static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseButtonRelease:
      DragRelease();
      return true;
    default:
      return false;
  }
}

void Form1::DragPress(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return;
  dragging_ = true;
  systemMoveTried_ = false;
  dragFrom_ = event.globalPosition().toPoint();
  windowFrom_ = pos();
}

void Form1::DragMove(const QMouseEvent& event) {
  if (!dragging_ || !event.buttons().testFlag(Qt::LeftButton) || !isVisible()) return;
  if (!systemMoveTried_) {
    systemMoveTried_ = true;
    // The window manager moves the window where it can; it then owns the pointer.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
      dragging_ = false;
      return;
    }
  }
  move(windowFrom_ + event.globalPosition().toPoint() - dragFrom_);
}

void Form1::DragRelease() {
  dragging_ = false;
}

}  // namespace vokabi::ui
