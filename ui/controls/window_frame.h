#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QPainter>

#include "ui/controls/colour.h"

namespace vokabi::ui {

// The shaded raised edge, eight pixels wide, of the rectangle from (left, top) to (right,
// bottom) in the scheme's background colour: lightest at the outer top and left, darkest at the
// outer right and bottom, the plain colour seven pixels in.
void RabF1(QPainter& painter, int left, int right, int top, int bottom, Colour optionBack);

// The same edge along a whole client area of width × height: the dialogs' frame.
void ShadeWindowFrame(QPainter& painter, int width, int height, Colour optionBack);

}  // namespace vokabi::ui
