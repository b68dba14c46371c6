#include "ui/controls/button_drawing.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/controls/gdi_draw.h"

namespace vokabi::ui::painting {

namespace {

// Caption rectangles carry exclusive right and bottom edges (see CaptionLayout).
QRect TextBox(const QRect& edges) {
  return QRect(edges.left(), edges.top(), edges.right() - edges.left(),
               edges.bottom() - edges.top());
}

int Grey(int red, int green, int blue) {
  return static_cast<int>(std::nearbyint(std::nearbyint(red * 0.3) + green * 0.59 + blue * 0.11));
}

// The picture's opaque pixels all in one colour, for the embossed disabled look.
QImage Silhouette(const QImage& prepared, Colour colour) {
  QImage result = prepared;
  QPainter painter(&result);
  painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
  painter.fillRect(result.rect(), ToQColor(colour));
  return result;
}

}  // namespace

Face::Face(QPainter& painter, const ButtonLook& look)
    : painter_(painter), look_(look), captionMode_(look.captionMode) {}

Colour Face::Shift(Colour colour, int amount, bool proportionalBlue) const {
  return ShiftColour(colour, amount, proportionalBlue, look_.softBevel);
}

void Face::FillBox(int x, int y, int w, int h, Colour colour, bool frameOnly) {
  ui::FillBox(painter_, x, y, w, h, colour, frameOnly);
}

void Face::DrawLine(int x1, int y1, int x2, int y2, Colour colour) {
  ui::DrawLine(painter_, x1, y1, x2, y2, colour);
}

void Face::SetPixel(int x, int y, Colour colour) {
  ui::SetPixel(painter_, x, y, colour);
}

void Face::DrawEllipse(int x, int y, int w, int h, Colour outline, Colour fill) {
  // Drawn from regions rather than with a two-pixel pen, so the face matches the window shape.
  for (const QRect& span : EllipseRegion(x, y, w, h)) painter_.fillRect(span, ToQColor(outline));
  for (const QRect& span : EllipseRegion(x + 2, y + 2, w - 4, h - 4)) {
    painter_.fillRect(span, ToQColor(fill));
  }
}

void Face::DrawFrame3D(Colour c1, Colour c2, Colour c3, Colour c4, int inset, bool outerOnly) {
  const int n = inset;
  const int right = width() - 1 - n;
  const int bottom = height() - 1 - n;
  DrawLine(n, bottom, n, n, c1);
  DrawLine(n, n, right, n, c1);
  DrawLine(right, n, right, bottom, c2);
  DrawLine(right, bottom, n - 1, bottom, c2);
  if (outerOnly) return;
  DrawLine(n + 1, bottom - 1, n + 1, n + 1, c3);
  DrawLine(n + 1, n + 1, right - 1, n + 1, c3);
  DrawLine(right - 1, n + 1, right - 1, bottom - 1, c4);
  DrawLine(right - 1, bottom - 1, n, bottom - 1, c4);
}

void Face::DrawFocus() {
  if (!look_.showFocusRect || !look_.hasFocus) return;
  const int type = look_.buttonType;
  const int inset = type >= 7 && type <= 13 ? 3 : type == 14 ? 5 : 4;
  const int offset = type == 14 ? 1 : 0;
  const int left = inset + offset;
  const int top = inset + offset;
  const int right = width() - inset + offset;  // exclusive
  const int bottom = height() - inset + offset;
  if (right <= left || bottom <= top) return;
  // Every other pixel, on a checkerboard fixed to the face so corners join up.
  const Colour colour = palette().text;
  auto dot = [&](int x, int y) {
    if ((x + y) % 2 == 0) SetPixel(x, y, colour);
  };
  for (int x = left; x < right; ++x) {
    dot(x, top);
    dot(x, bottom - 1);
  }
  for (int y = top + 1; y < bottom - 1; ++y) {
    dot(left, y);
    dot(right - 1, y);
  }
}

void Face::DrawImage(int x, int y, const QImage& image) {
  painter_.drawImage(x, y, image);
}

void Face::DrawText(const QRect& edges, Colour colour) {
  painter_.setPen(ToQColor(colour));
  painter_.setFont(look_.font);
  painter_.drawText(TextBox(edges), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                    look_.caption);
}

void Face::DrawCaptionEffect(const QRect& edges) {
  const int effect = look_.specialEffect;
  if (effect <= 0) return;
  const int type = look_.buttonType;
  Colour base = palette().face;
  if (type == 3 || type == 4 || type == 14) {
    base = palette().faceLight;
  } else if (type == 9 && look_.pointerOver && look_.state == 0 && look_.colorScheme != 2) {
    base = palette().selectionLight;
  }
  const Colour lighter = Shift(base, 40, false);
  const Colour darker = Shift(base, -40, false);
  DrawText(edges.translated(1, 1), effect == 2 ? lighter : darker);
  if (effect == 1) DrawText(edges.translated(-1, -1), lighter);
  if (effect == 2) DrawText(edges.translated(-1, -1), darker);
}

void Face::DrawCaption(int mode) {
  captionMode_ = mode;
  const QRect& rect = look_.layout.caption;
  const QRect& pressed = look_.layout.pressedCaption;
  const ButtonPalette& colours = palette();
  switch (mode) {
    case 0:
      DrawCaptionEffect(rect);
      DrawText(rect, colours.text);
      break;
    case 1:
      DrawCaptionEffect(rect);
      DrawText(rect, colours.textOver);
      break;
    case 2:
      DrawCaptionEffect(pressed);
      DrawText(pressed, look_.buttonType == 4 ? colours.light : colours.textOver);
      break;
    case 3:
      DrawText(pressed, colours.highlight);
      DrawText(rect, colours.shadow);
      break;
    case 4:
      DrawText(rect, colours.shadow);
      break;
    case 5:
      DrawText(rect, Shift(look_.backColor, -104, true));
      break;
    case 6:
      DrawText(pressed, colours.highlight);
      DrawText(rect, colours.face);
      break;
    case 7:
      DrawText(pressed, Shift(colours.shadow, -50, false));
      DrawText(rect, colours.highlight);
      break;
    default:
      break;
  }
}

void Face::DrawPicture(int mode) {
  const QImage& normal = look_.pictureNormal;
  if (normal.isNull()) return;
  const QImage& overOrNormal = look_.pictureOver.isNull() ? normal : look_.pictureOver;
  const int x = look_.layout.picture.x();
  const int y = look_.layout.picture.y();
  const Colour mask = palette().mask;
  const bool useMask = look_.useMaskColor;
  if (mode == 0) {
    if (look_.pointerOver) {
      DrawImage(x, y, PreparePicture(overOrNormal, mask, useMask, false));
    } else {
      DrawImage(x, y, PreparePicture(normal, mask, useMask, look_.useGreyscale));
    }
  } else if (mode == 1) {
    DrawImage(x + 1, y + 1, PreparePicture(overOrNormal, mask, useMask, false));
  } else if (look_.buttonType == 3) {
    DrawImage(x + 1, y + 1, PreparePicture(normal, mask, useMask, true));
  } else {
    // The classic etched look of a disabled picture.
    const QImage prepared = PreparePicture(normal, mask, useMask, false);
    DrawImage(x + 1, y + 1, Silhouette(prepared, palette().highlight));
    DrawImage(x, y, Silhouette(prepared, palette().shadow));
  }
  // A centred picture lies under the caption, so the caption goes on top again.
  if (look_.picturePosition == 4) DrawCaption(captionMode_);
}

QRegion EllipseRegion(int x, int y, int w, int h) {
  QRegion region;
  if (w <= 0 || h <= 0) return region;
  const double a = w / 2.0;
  const double b = h / 2.0;
  for (int row = 0; row < h; ++row) {
    const double dy = (row + 0.5 - b) / b;
    const double half = a * std::sqrt(std::max(0.0, 1 - dy * dy));
    // Columns whose centres c + 0.5 lie within a ± half.
    const int first = static_cast<int>(std::ceil(a - half - 0.5));
    const int last = static_cast<int>(std::floor(a + half - 0.5));
    if (last >= first) region += QRect(x + first, y + row, last - first + 1, 1);
  }
  return region;
}

QImage PreparePicture(const QImage& picture, Colour mask, bool useMask, bool greyscale) {
  QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb maskRgb = ToQColor(mask).rgb() & RGB_MASK;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = line[x];
      if (useMask && (pixel & RGB_MASK) == maskRgb) {
        line[x] = 0;
      } else if (greyscale) {
        const int grey = Grey(qRed(pixel), qGreen(pixel), qBlue(pixel));
        line[x] = qRgba(grey, grey, grey, qAlpha(pixel));
      }
    }
  }
  return image;
}

}  // namespace vokabi::ui::painting
