#include "ui/controls/gdi_draw.h"

#include <cstdlib>

namespace vokabi::ui {

void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, Colour colour) {
  painter.setPen(ToQColor(colour));
  // Bresenham, stopping one short of the end as the system's lines do.
  const int dx = std::abs(x2 - x1);
  const int dy = -std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1;
  const int sy = y1 < y2 ? 1 : -1;
  if (dy == 0 || dx == 0) {
    if (x1 == x2 && y1 == y2) return;
    painter.drawLine(x1, y1, x2 - (dy == 0 ? sx : 0), y2 - (dx == 0 ? sy : 0));
    return;
  }
  int error = dx + dy;
  for (int x = x1, y = y1; !(x == x2 && y == y2);) {
    painter.drawPoint(x, y);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += sx;
    }
    if (twice <= dx) {
      error += dx;
      y += sy;
    }
  }
}

void FillBox(QPainter& painter, int x, int y, int width, int height, Colour colour,
             bool frameOnly) {
  if (width <= 0 || height <= 0) return;
  const QColor c = ToQColor(colour);
  if (!frameOnly) {
    painter.fillRect(x, y, width, height, c);
    return;
  }
  painter.fillRect(x, y, width, 1, c);
  painter.fillRect(x, y + height - 1, width, 1, c);
  painter.fillRect(x, y, 1, height, c);
  painter.fillRect(x + width - 1, y, 1, height, c);
}

void SetPixel(QPainter& painter, int x, int y, Colour colour) {
  painter.setPen(ToQColor(colour));
  painter.drawPoint(x, y);
}

}  // namespace vokabi::ui
