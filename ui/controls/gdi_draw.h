#pragma once

#include <QPainter>

#include "ui/controls/colour.h"

namespace vokabi::ui {

// Drawing as the program's windows were drawn: pixel for pixel, no antialiasing, rectangles that
// end before their right and bottom edges, and lines that leave out their end point.

// A line from (x1, y1) towards (x2, y2), the end point itself not drawn.
void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, Colour colour);

// Pixels x … x + width − 1 by y … y + height − 1: filled, or only their one-pixel outline.
void FillBox(QPainter& painter, int x, int y, int width, int height, Colour colour, bool frameOnly);

void SetPixel(QPainter& painter, int x, int y, Colour colour);

}  // namespace vokabi::ui
