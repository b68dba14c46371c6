// The faces of the button types other than 3: classic bevels, flat and round buttons. No window of
// the program uses them, but a button can be set to any of them.
#include "ui/controls/button_drawing.h"

namespace vokabi::ui::painting {

namespace {

constexpr Colour kCaptionBox = 0xCC9999;  // type 5's focus mark

int UpCaptionMode(const Face& face) {
  return face.look().pointerOver ? 1 : 0;
}

// Types 1, 2, 6, 7, 8, 10 and 12 differ only in their bevels.
void PaintBevelled(Face& face, Painting painting) {
  const ButtonLook& look = face.look();
  const ButtonPalette& c = face.palette();
  const int w = face.width();
  const int h = face.height();
  const bool asDefault = look.showFocusRect && look.isDefault;
  switch (look.buttonType) {
    case 1:
      if (painting == Painting::Pressed) {
        face.DrawCaption(2);
        face.DrawFrame3D(c.shadow, c.highlight, c.shadow, c.highlight, 1, false);
      } else {
        face.DrawCaption(painting == Painting::Up ? UpCaptionMode(face) : 3);
        face.DrawFrame3D(c.highlight, c.shadow, c.highlight, c.shadow, 1, false);
      }
      face.FillBox(0, 0, w, h, c.darkShadow, true);
      break;
    case 2:
      if (painting == Painting::Up) {
        face.DrawCaption(UpCaptionMode(face));
        if (asDefault) {
          face.DrawFrame3D(c.highlight, c.darkShadow, c.light, c.shadow, 1, false);
          face.DrawFocus();
          face.FillBox(0, 0, w, h, c.darkShadow, true);
        } else {
          face.DrawFrame3D(c.highlight, c.darkShadow, c.light, c.shadow, 0, false);
        }
      } else if (painting == Painting::Pressed) {
        face.DrawCaption(2);
        if (asDefault) {
          face.FillBox(0, 0, w, h, c.darkShadow, true);
          face.FillBox(1, 1, w - 2, h - 2, c.shadow, true);
          face.DrawFocus();
        } else {
          face.DrawFrame3D(c.darkShadow, c.highlight, c.shadow, c.light, 0, false);
        }
      } else {
        face.DrawCaption(3);
        face.DrawFrame3D(c.highlight, c.darkShadow, c.light, c.shadow, 0, false);
      }
      return;  // type 2 shows the focus only as the default button
    case 6: {
      const Colour a = face.Shift(c.light, 8, false);
      if (painting == Painting::Pressed) {
        face.DrawCaption(2);
        face.DrawFrame3D(c.shadow, a, c.shadow, a, 0, false);
      } else {
        face.DrawCaption(painting == Painting::Up ? UpCaptionMode(face) : 4);
        face.DrawFrame3D(a, c.shadow, a, c.shadow, 0, false);
      }
      break;
    }
    case 7:
    case 8:
      if (painting == Painting::Pressed) {
        face.DrawCaption(2);
        face.DrawFrame3D(c.shadow, c.highlight, 0, 0, 0, true);
      } else {
        face.DrawCaption(painting == Painting::Up ? UpCaptionMode(face) : 3);
        const bool framed =
            look.buttonType == 7 ? true : painting == Painting::Up && look.pointerOver;
        if (framed) face.DrawFrame3D(c.highlight, c.shadow, 0, 0, 0, true);
      }
      break;
    case 12:
      if (painting == Painting::Pressed) {
        face.DrawCaption(2);
        face.DrawFrame3D(c.darkShadow, c.highlight, c.shadow, c.light, 0, false);
      } else {
        face.DrawCaption(painting == Painting::Up ? UpCaptionMode(face) : 3);
        if (painting == Painting::Up && look.pointerOver) {
          face.DrawFrame3D(c.highlight, c.darkShadow, c.light, c.shadow, 0, false);
        }
      }
      break;
    case 10:  // the table of faces has no type 10: a caption on the bare face
      face.DrawCaption(painting == Painting::Up        ? UpCaptionMode(face)
                       : painting == Painting::Pressed ? 2
                                                       : 3);
      break;
    default:
      return;
  }
  if (painting != Painting::Disabled) face.DrawFocus();
}

// A face inside a dark outline with rounded corners and a one-pixel bevel.
void PaintType4(Face& face, Painting painting) {
  const ButtonPalette& c = face.palette();
  const int w = face.width();
  const int h = face.height();
  const bool pressed = painting == Painting::Pressed;
  face.FillBox(1, 1, w - 2, h - 2, pressed ? c.shadow : c.light);
  face.DrawCaption(pressed ? 2 : painting == Painting::Up ? UpCaptionMode(face) : 3);
  const Colour outline = painting == Painting::Disabled ? c.shadow : c.darkShadow;
  face.FillBox(0, 0, w, h, outline, true);
  face.SetPixel(1, 1, outline);
  face.SetPixel(w - 2, 1, outline);
  face.SetPixel(1, h - 2, outline);
  face.SetPixel(w - 2, h - 2, outline);
  const Colour topLeft = pressed ? face.Shift(c.shadow, -32, false) : c.highlight;
  const Colour bottomRight = pressed ? c.face : c.shadow;
  face.DrawLine(2, 1, w - 2, 1, topLeft);
  face.DrawLine(1, 2, 1, h - 2, topLeft);
  face.DrawLine(2, 2, w - 3, 2, c.face);
  face.DrawLine(2, h - 2, w - 2, h - 2, bottomRight);
  face.DrawLine(w - 2, 2, w - 2, h - 2, bottomRight);
  if (painting != Painting::Disabled) face.DrawFocus();
}

// Flat: a lightened face, thin frames, and a box around the caption while focused.
void PaintType5(Face& face, Painting painting) {
  const ButtonLook& look = face.look();
  const ButtonPalette& c = face.palette();
  const int w = face.width();
  const int h = face.height();
  const bool pressed = painting == Painting::Pressed;
  face.FillBox(0, 0, w, h, pressed ? c.face : face.Shift(c.face, 12, false));
  face.DrawCaption(pressed ? 2 : painting == Painting::Up ? UpCaptionMode(face) : 4);
  if (pressed) {
    face.DrawFrame3D(c.shadow, c.highlight, 0, 0, 0, true);
    face.FillBox(1, 1, w - 2, h - 2, c.shadow, true);
  } else {
    const bool over = painting == Painting::Up && look.pointerOver;
    face.DrawFrame3D(c.highlight, over ? c.darkShadow : c.shadow, 0, 0, 0, true);
  }
  if (painting != Painting::Disabled && look.showFocusRect && look.hasFocus) {
    const QRect& box = pressed ? look.layout.pressedCaption : look.layout.caption;
    face.FillBox(box.left() - 2, box.top() - 1, box.right() - box.left() + 4,
                 box.bottom() - box.top() + 2, kCaptionBox, true);
  }
}

// Flat until the pointer comes over it, then a selection-coloured tile.
void PaintType9(Face& face, Painting painting) {
  const ButtonLook& look = face.look();
  const ButtonPalette& c = face.palette();
  const int w = face.width();
  const int h = face.height();
  if (painting == Painting::Disabled) {
    face.DrawCaption(4);
    return;
  }
  if (painting == Painting::Pressed) {
    face.FillBox(0, 0, w, h, face.Shift(c.selectionLight, -24, false));
    face.FillBox(0, 0, w, h, c.selection, true);
    face.DrawCaption(2);
  } else {
    if (look.pointerOver) {
      face.FillBox(0, 0, w, h, c.selectionLight);
      face.FillBox(0, 0, w, h, c.selection, true);
    }
    face.DrawCaption(UpCaptionMode(face));
  }
  face.DrawFocus();
}

// Shaded from the highlight colour, darker toward the bottom (toward the top when pressed).
void PaintType14(Face& face, Painting painting) {
  const ButtonLook& look = face.look();
  const ButtonPalette& c = face.palette();
  const int w = face.width();
  const int h = face.height();
  const bool pressed = painting == Painting::Pressed;
  for (int y = 0; y < h; ++y) {
    const int depth = pressed ? h - 1 - y : y;
    face.DrawLine(0, y, w, y, face.Shift(c.highlight, -(depth * 48) / h, false));
  }
  face.DrawCaption(pressed ? 7 : painting == Painting::Up ? UpCaptionMode(face) : 6);
  const bool over = painting == Painting::Up && look.pointerOver;
  face.FillBox(0, 0, w, h, face.Shift(c.shadow, over ? -64 : -32, false), true);
  face.FillBox(1, 1, w - 2, h - 2, face.Shift(c.face, -16, false), true);
  if (painting != Painting::Disabled) face.DrawFocus();
}

void PaintType11(Face& face, Painting painting) {
  face.DrawImage(0, 0, face.look().background);
  switch (painting) {
    case Painting::Up:
      face.DrawCaption(UpCaptionMode(face));
      face.DrawFocus();
      break;
    case Painting::Pressed:
      face.DrawCaption(2);
      face.DrawFocus();
      break;
    case Painting::Disabled:
      face.DrawCaption(3);
      break;
  }
}

void PaintType13(Face& face, Painting painting) {
  const ButtonLook& look = face.look();
  const ButtonPalette& c = face.palette();
  const int w = face.width();
  const int h = face.height();
  switch (painting) {
    case Painting::Up:
      face.DrawEllipse(0, 0, w, h, look.pointerOver ? c.shadow : c.face, c.face);
      face.DrawCaption(UpCaptionMode(face));
      break;
    case Painting::Pressed:
      face.DrawEllipse(0, 0, w, h, c.darkShadow, face.Shift(c.face, -32, false));
      face.DrawCaption(2);
      break;
    case Painting::Disabled:
      face.DrawCaption(3);
      break;
  }
}

}  // namespace

void PaintOtherType(Face& face, Painting painting) {
  switch (face.look().buttonType) {
    case 4:
      PaintType4(face, painting);
      break;
    case 5:
      PaintType5(face, painting);
      break;
    case 9:
      PaintType9(face, painting);
      break;
    case 11:
      PaintType11(face, painting);
      break;
    case 13:
      PaintType13(face, painting);
      break;
    case 14:
      PaintType14(face, painting);
      break;
    default:
      PaintBevelled(face, painting);
      break;
  }
}

}  // namespace vokabi::ui::painting
