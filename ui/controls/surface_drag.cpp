#include "ui/controls/surface_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace vokabi::ui {

SurfaceDrag::SurfaceDrag(QWidget& window) : QObject(&window), window_(window) {}

void SurfaceDrag::Watch(QWidget* surface) {
  surface->installEventFilter(this);
}

bool SurfaceDrag::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      Press(*static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseMove:
      Move(*static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseButtonRelease:
      dragging_ = false;
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

void SurfaceDrag::Press(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return;
  dragging_ = true;
  systemMoveTried_ = false;
  dragFrom_ = event.globalPosition().toPoint();
  windowFrom_ = window_.pos();
}

void SurfaceDrag::Move(const QMouseEvent& event) {
  if (!dragging_ || !event.buttons().testFlag(Qt::LeftButton) || !window_.isVisible()) return;
  if (!systemMoveTried_) {
    systemMoveTried_ = true;
    // The window manager moves the window where it can; it then owns the pointer.
    if (window_.windowHandle() != nullptr && window_.windowHandle()->startSystemMove()) {
      dragging_ = false;
      return;
    }
  }
  window_.move(windowFrom_ + event.globalPosition().toPoint() - dragFrom_);
}

}  // namespace vokabi::ui
