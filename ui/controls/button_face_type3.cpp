// PaintButton, and the glossy face of button type 3 that every window of the program uses.
#include <QPainter>
#include <cmath>
#include <numbers>

#include "ui/controls/button_drawing.h"
#include "ui/controls/button_look.h"
#include "ui/controls/colour.h"

namespace vokabi::ui {

namespace painting {

namespace {

constexpr Colour kOutline = 0x733C00;  // dark blue
constexpr Colour kOutlineCorner = 0x7B4D10;

// How far row `row` of the glossy face is shifted from its base colour: brighter above
// height / divisor, darker below.
int ShadeAmount(int row, int height, double divisor) {
  constexpr double kPi = std::numbers::pi;
  const double k = 25.0 / height;
  const double amount = (height / divisor - row) * std::cos(kPi * row / 180 + kPi) * (-k * row);
  return static_cast<int>(std::nearbyint(amount));  // halves to even
}

// Rows 1 … H (the last one falls outside), or mirrored from the bottom up for the pressed face.
void ShadeFace(Face& face, Colour base, double divisor, bool mirrored) {
  const int w = face.width();
  const int h = face.height();
  for (int i = 1; i <= h; ++i) {
    const int y = mirrored ? h - i : i;
    face.DrawLine(0, y, w, y, face.Shift(base, ShadeAmount(i, h, divisor), true));
  }
}

void DrawOutline(Face& face) {
  const int w = face.width();
  const int h = face.height();
  face.FillBox(0, 0, w, h, kOutline, true);
  face.SetPixel(1, 1, kOutlineCorner);
  face.SetPixel(1, h - 2, kOutlineCorner);
  face.SetPixel(w - 2, 1, kOutlineCorner);
  face.SetPixel(w - 2, h - 2, kOutlineCorner);
}

void DrawPlainBevel(Face& face) {
  const int w = face.width();
  const int h = face.height();
  auto shade = [&](int amount) { return face.Shift(face.palette().faceLight, amount, true); };
  face.DrawLine(2, h - 2, w - 2, h - 2, shade(-48));
  face.DrawLine(1, h - 3, w - 2, h - 3, shade(-32));
  face.DrawLine(w - 2, 2, w - 2, h - 2, shade(-36));
  face.DrawLine(w - 3, 3, w - 3, h - 3, shade(-24));
  face.DrawLine(2, 1, w - 2, 1, shade(16));
  face.DrawLine(1, 2, w - 2, 2, shade(10));
  face.DrawLine(1, 2, 1, h - 2, shade(-5));
  face.DrawLine(2, 3, 2, h - 3, shade(-10));
}

// The focus frame (light blue) and the hover frame (orange) share their shape.
struct FrameColours {
  Colour frame, bottom, top, second, sides;
};
constexpr FrameColours kFocusFrame{0xE7AE8C, 0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5};
constexpr FrameColours kHoverFrame{0x31B2FF, 0x0096E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF};

void DrawInnerFrame(Face& face, const FrameColours& colours, bool doubleFrame) {
  const int w = face.width();
  const int h = face.height();
  face.FillBox(1, 2, w - 2, h - 4, colours.frame, true);
  if (doubleFrame) face.FillBox(3, 3, w - 6, h - 6, colours.frame, true);
  face.DrawLine(2, h - 2, w - 2, h - 2, colours.bottom);
  face.DrawLine(2, 1, w - 2, 1, colours.top);
  face.DrawLine(1, 2, w - 1, 2, colours.second);
  face.DrawLine(2, 3, 2, h - 3, colours.sides);
  face.DrawLine(w - 3, 3, w - 3, h - 3, colours.sides);
}

// The keyboard's focus on top of the light blue frame, which alone is too faint on light faces:
// a ring two pixels wide, each row of it in the caption's colour where that stands out from the
// face's shade in that row, else in black or white, whichever stands out more.
void DrawFocusMark(Face& face) {
  constexpr double kInk = 4.5;
  const ButtonLook& look = face.look();
  const int w = face.width();
  const int h = face.height();
  const Colour text = face.palette().text;
  for (int y = 3; y <= h - 4; ++y) {
    const Colour shade = face.Shift(look.backColor, ShadeAmount(y, h, 1.7), true);
    Colour mark = text;
    if (Contrast(mark, shade) < kInk) {
      mark = Contrast(0x000000, shade) >= Contrast(0xFFFFFF, shade) ? 0x000000 : 0xFFFFFF;
    }
    if (y <= 4 || y >= h - 5) {
      face.DrawLine(3, y, w - 3, y, mark);
    } else {
      face.DrawLine(3, y, 5, y, mark);
      face.DrawLine(w - 5, y, w - 3, y, mark);
    }
  }
}

void DrawSunkenBevel(Face& face) {
  const int w = face.width();
  const int h = face.height();
  const Colour faceLight = face.palette().faceLight;
  const Colour base = face.Shift(faceLight, -32, true);
  auto shade = [&](int amount) { return face.Shift(base, amount, true); };
  face.DrawLine(2, h - 2, w - 2, h - 2, shade(16));
  face.DrawLine(1, h - 3, w - 2, h - 3, shade(10));
  face.DrawLine(w - 2, 2, w - 2, h - 2, shade(5));
  face.DrawLine(w - 3, 3, w - 3, h - 3, faceLight);
  face.DrawLine(2, 1, w - 2, 1, shade(-32));
  face.DrawLine(1, 2, w - 2, 2, shade(-24));
  face.DrawLine(1, 2, 1, h - 2, shade(-32));
  face.DrawLine(2, 2, 2, h - 2, shade(-22));
}

}  // namespace

void PaintType3(Face& face, Painting painting) {
  const ButtonLook& look = face.look();
  switch (painting) {
    case Painting::Up:
      ShadeFace(face, look.backColor, 1.7, false);
      face.DrawCaption(look.pointerOver ? 1 : 0);
      DrawOutline(face);
      if (look.pointerOver) {
        if (look.bord) {
          DrawInnerFrame(face, kHoverFrame, true);
        } else {
          DrawPlainBevel(face);
        }
      } else if (look.showFocusRect && (look.hasFocus || look.isDefault)) {
        DrawInnerFrame(face, kFocusFrame, false);
        if (look.hasFocus) {
          DrawFocusMark(face);
          face.DrawCaption(0);  // over the ring where a tall caption meets it
        }
      } else {
        DrawPlainBevel(face);
      }
      break;
    case Painting::Pressed:
      ShadeFace(face, look.backOver, 1.5, true);
      face.DrawCaption(2);
      DrawOutline(face);
      DrawSunkenBevel(face);
      break;
    case Painting::Disabled:
      ShadeFace(face, look.backColor, 1.7, false);
      DrawPlainBevel(face);
      face.DrawCaption(5);
      break;
  }
}

}  // namespace painting

int PaintButton(QPainter& painter, const ButtonLook& look) {
  if (look.height <= 0) return look.captionMode;
  using painting::Painting;
  Painting painting = Painting::Up;
  int pictureMode = 0;
  if (!look.enabled) {
    painting = Painting::Disabled;
    pictureMode = 2;
  } else if (look.state == 2) {
    painting = Painting::Pressed;
    pictureMode = 1;
  }

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painting::Face face(painter, look);
  // Clearing the surface and filling the face come to one fill: the face covers it all.
  face.FillBox(0, 0, look.width, look.height, look.palette.face);
  if (look.enabled && look.state != 0 && look.state != 2) {
    painter.restore();
    return face.captionMode();
  }
  if (look.buttonType == 3) {
    PaintType3(face, painting);
  } else {
    PaintOtherType(face, painting);
  }
  face.DrawPicture(pictureMode);
  painter.restore();
  return face.captionMode();
}

}  // namespace vokabi::ui
