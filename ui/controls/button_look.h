#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include "ui/controls/button_palette.h"

class QPainter;

namespace vokabi::ui {

// Where the caption and the picture go on a button's face.
//
// The caption rectangles hold edges, not a Qt rectangle: left() and top() are the first column and
// row of the text, right() and bottom() lie one past its last (right = left + captionWidth,
// bottom = top + captionHeight), so QRect::width() and height() read one too many.
struct CaptionLayout {
  QRect caption;         // as measured and centred
  QRect pressedCaption;  // the caption moved by (1, 1)
  int captionWidth = 0;
  int captionHeight = 0;
  QPoint picture;  // top-left of the picture
};

// Caption rectangle and picture place for a face of width × height (pictureSize 0 × 0 when the
// button has no picture). The caption keeps its "&" access-key markers.
CaptionLayout LayoutCaption(const QString& caption, const QFont& font, int picturePosition,
                            QSize pictureSize, int width, int height);

// The window shape of a button type: the face rectangle with corner pixels cut, or an ellipse.
QRegion BuildRegion(int buttonType, int width, int height);

// Everything one painting of a button needs; the Button fills it in from its state.
struct ButtonLook {
  int width = 0;
  int height = 0;
  int buttonType = 3;
  int state = 0;  // 0 up, 2 down
  bool enabled = true;
  bool pointerOver = false;
  bool hasFocus = false;
  bool isDefault = false;  // the host marks it as its default button
  bool showFocusRect = true;
  bool bord = true;
  bool softBevel = false;
  int colorScheme = 2;
  int specialEffect = 0;
  // The palette and BackColor / BackOver in force for this painting: while the pointer is over a
  // scheme-2 button the Button has already computed them from BackOver.
  ButtonPalette palette;
  Colour backColor = 0;
  Colour backOver = 0;
  QString caption;
  QFont font;
  CaptionLayout layout;
  QImage pictureNormal;  // null: no picture
  QImage pictureOver;
  int picturePosition = 0;
  bool useMaskColor = true;
  bool useGreyscale = false;
  QImage background;    // type 11: what lies under the button
  int captionMode = 0;  // the caption mode PaintButton returned last time, redrawn over a
                        // centred picture when a painting draws no caption of its own
};

// Paints the whole face as the button's state asks; returns the caption mode it drew last (the
// Button remembers it). Nothing when the height is 0.
int PaintButton(QPainter& painter, const ButtonLook& look);

}  // namespace vokabi::ui
