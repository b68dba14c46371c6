#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

namespace vokabi::ui {

// Moves a frameless window when the user drags one of its watched surfaces (the window itself,
// its background, a keyboard strip) with the left button.
class SurfaceDrag : public QObject {
 public:
  explicit SurfaceDrag(QWidget& window);

  // Presses on surface drag the window; the surface's own mouse handling is left out.
  void Watch(QWidget* surface);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Press(const QMouseEvent& event);
  void Move(const QMouseEvent& event);

  QWidget& window_;
  bool dragging_ = false;
  bool systemMoveTried_ = false;
  QPoint dragFrom_;
  QPoint windowFrom_;
};

}  // namespace vokabi::ui
