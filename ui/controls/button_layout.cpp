// Caption layout and window shape of a button.
#include <QFontMetrics>
#include <algorithm>

#include "ui/controls/button_drawing.h"
#include "ui/controls/button_look.h"

namespace vokabi::ui {

namespace {

bool HasText(const QString& caption) {
  return std::any_of(caption.begin(), caption.end(), [](QChar c) { return c != u' '; });
}

}  // namespace

CaptionLayout LayoutCaption(const QString& caption, const QFont& font, int picturePosition,
                            QSize pictureSize, int width, int height) {
  const int pw = pictureSize.width();
  const int ph = pictureSize.height();
  // The room left beside, above or below the picture; edges, right and bottom exclusive.
  int left = 1;
  int top = 1;
  int right = width - 2;
  int bottom = height - 2;
  switch (picturePosition) {
    case 0:
      left = pw + 1;
      break;
    case 1:
      right = width - 2 - pw;
      break;
    case 2:
      top = ph + 1;
      break;
    case 3:
      bottom = height - 2 - ph;
      break;
    default:
      break;
  }

  // Wrapped in that room, the text's extent replaces right and bottom; a word wider than the room
  // widens it.
  const QRect room(left, top, std::max(0, right - left), std::max(0, bottom - top));
  const QRect extent = QFontMetrics(font).boundingRect(
      room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
  right = left + extent.width();
  bottom = top + extent.height();

  // Integer halves truncate toward zero, also when the text is wider than the face.
  int dx = (width - right) / 2;
  int dy = (height - bottom) / 2;
  if (picturePosition == 1) dx = (width - right - pw - 4) / 2;
  if (picturePosition == 3) dy = (height - bottom - ph - 4) / 2;

  CaptionLayout layout;
  layout.caption.setCoords(left + dx, top + dy, right + dx, bottom + dy);
  layout.pressedCaption = layout.caption.translated(1, 1);
  layout.captionWidth = right - left;
  layout.captionHeight = bottom - top;

  const QRect& text = layout.caption;
  QPoint place((width - pw) / 2, (height - ph) / 2);
  if (HasText(caption)) {
    switch (picturePosition) {
      case 0:
        place.setX(text.left() - pw - 4);
        break;
      case 1:
        place.setX(text.right() + 4);
        break;
      case 2:
        place.setY(text.top() - ph - 2);
        break;
      case 3:
        place.setY(text.bottom() + 2);
        break;
      default:
        break;
    }
  }
  layout.picture = place;
  return layout;
}

QRegion BuildRegion(int buttonType, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  if (buttonType == 13) return painting::EllipseRegion(0, 0, width, height);

  QRegion region(0, 0, width, height);
  auto cut = [&region](int x, int y) { region -= QRegion(x, y, 1, 1); };
  const int w = width;
  const int h = height;
  switch (buttonType) {
    case 3:
    case 4:
      for (int x : {0, 1}) {
        cut(x, 0);
        cut(x, h - 1);
      }
      for (int x : {w - 2, w - 1}) {
        cut(x, 0);
        cut(x, h - 1);
      }
      cut(0, 1);
      cut(w - 1, 1);
      cut(0, h - 2);
      cut(w - 1, h - 2);
      break;
    case 1:
    case 14:
      cut(0, 0);
      cut(w - 1, 0);
      cut(0, h - 1);
      cut(w - 1, h - 1);
      break;
    case 5:
      cut(0, h - 1);
      cut(w - 1, 0);
      break;
    default:
      break;
  }
  return region;
}

}  // namespace vokabi::ui
