#pragma once

#include <QWidget>

#include "ui/controls/schemes.h"

namespace vokabi::ui {

class SurfaceDrag;

// A top-level window without the system's frame, as every window of the program is: its shape
// is its client area, it paints the scheme's background with the shaded edge, and the user moves
// it by dragging its surface.
class FramelessWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FramelessWindow(QWidget* parent = nullptr,
                           Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint);

  // Takes the scheme's colours for the background and the edge and repaints.
  void Restyle(const SchemeColours& colours);
  const SchemeColours& Scheme() const { return scheme_; }
  // Dragging surface, or a child lying over the window, moves the window.
  void DragBy(QWidget* surface);

 protected:
  // The window's shape: its client area, so no system frame shows.
  void ClipToClientArea();
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  SchemeColours scheme_;
  SurfaceDrag* drag_ = nullptr;
};

}  // namespace vokabi::ui
