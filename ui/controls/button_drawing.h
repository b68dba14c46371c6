#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

#include "ui/controls/button_look.h"

class QPainter;

namespace vokabi::ui::painting {

enum class Painting { Up, Pressed, Disabled };

// One painting of a button face in progress: the pixel primitives the faces are designed with
// (antialiasing off, line end points left out), the caption and the picture.
class Face {
 public:
  Face(QPainter& painter, const ButtonLook& look);

  const ButtonLook& look() const { return look_; }
  const ButtonPalette& palette() const { return look_.palette; }
  int width() const { return look_.width; }
  int height() const { return look_.height; }
  int captionMode() const { return captionMode_; }

  // Every shift of a painting honours SoftBevel.
  Colour Shift(Colour colour, int amount, bool proportionalBlue) const;

  // Pixels x … x + w − 1 by y … y + h − 1, or their one-pixel outline.
  void FillBox(int x, int y, int w, int h, Colour colour, bool frameOnly = false);
  // From (x1, y1) towards (x2, y2), the end point itself not drawn.
  void DrawLine(int x1, int y1, int x2, int y2, Colour colour);
  void SetPixel(int x, int y, Colour colour);
  void DrawEllipse(int x, int y, int w, int h, Colour outline, Colour fill);
  // The two-ring bevel of the classic faces; inset 0 or 1, c3 and c4 unused when outerOnly.
  void DrawFrame3D(Colour c1, Colour c2, Colour c3, Colour c4, int inset, bool outerOnly);
  // The dotted focus rectangle, when the button shows it and has the focus.
  void DrawFocus();
  void DrawImage(int x, int y, const QImage& image);

  // Caption modes 0-7; the mode is remembered for the caption redrawn over a centred picture.
  void DrawCaption(int mode);
  // Picture modes 0 (up), 1 (pressed), 2 (disabled).
  void DrawPicture(int mode);

 private:
  void DrawText(const QRect& edges, Colour colour);
  void DrawCaptionEffect(const QRect& edges);

  QPainter& painter_;
  const ButtonLook& look_;
  int captionMode_;
};

void PaintType3(Face& face, Painting painting);
// Types 1, 2, 4-14 (all but 3); other numbers paint nothing.
void PaintOtherType(Face& face, Painting painting);

// The ellipse inscribed in the box: the pixels whose centres lie inside it, symmetric about both
// axes (Qt's own ellipse regions are not).
QRegion EllipseRegion(int x, int y, int w, int h);

// The picture with the mask colour made transparent and, when asked, in grey.
QImage PreparePicture(const QImage& picture, Colour mask, bool useMask, bool greyscale);

}  // namespace vokabi::ui::painting
