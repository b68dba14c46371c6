// Button faces rendered into images and checked pixel by pixel.
#include <QFontMetrics>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <numbers>

#include "ui/controls/button_look.h"

using namespace vokabi::ui;

namespace {

constexpr Colour kFace = 0xC0C0C0;
constexpr Colour kOver = 0x40A0E0;
constexpr Colour kText = 0x000000;
constexpr Colour kOutline = 0x733C00;
constexpr Colour kOutlineCorner = 0x7B4D10;
constexpr QRgb kSentinel = 0xFF123456;
constexpr Colour kRed = 0x0000FF;

QFont TestFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(14);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);  // whole pixels in the caption's own colour
  return font;
}

void Relayout(ButtonLook& look) {
  look.layout = LayoutCaption(look.caption, look.font, look.picturePosition,
                              look.pictureNormal.size(), look.width, look.height);
}

ButtonLook MakeLook(int width, int height, const QString& caption = {}, int type = 3,
                    Colour face = kFace) {
  PaletteSource source;
  source.colorScheme = 2;
  source.backColor = face;
  source.backOver = kOver;
  source.foreColor = kText;
  source.foreOver = 0x0000FF;
  source.maskColor = 0xFFFFFF;
  source.buttonType = type;
  ButtonLook look;
  look.width = width;
  look.height = height;
  look.buttonType = type;
  look.palette = ComputeColours(source, QPalette());
  look.backColor = face;
  look.backOver = kOver;
  look.caption = caption;
  look.font = TestFont();
  Relayout(look);
  return look;
}

QImage Render(const ButtonLook& look, int* captionMode = nullptr) {
  QImage image(look.width + 4, look.height + 4, QImage::Format_RGB32);
  image.fill(kSentinel);
  QPainter painter(&image);
  const int mode = PaintButton(painter, look);
  if (captionMode) *captionMode = mode;
  return image;
}

Colour At(const QImage& image, int x, int y) {
  return FromQColor(image.pixelColor(x, y));
}

// The first row holding the colour, or −1.
int FirstRow(const QImage& image, Colour colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (At(image, x, y) == colour) return y;
    }
  }
  return -1;
}

Colour Shaded(Colour base, int row, int height, double divisor) {
  const double pi = std::numbers::pi;
  const double amount =
      (height / divisor - row) * std::cos(pi * row / 180 + pi) * (-25.0 / height * row);
  return ShiftColour(base, static_cast<int>(std::nearbyint(amount)), true);
}

QImage Solid(int size, QColor colour) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

int Area(const QRegion& region) {
  int sum = 0;
  for (const QRect& r : region) sum += r.width() * r.height();
  return sum;
}

enum Frame { kPlain, kFocus, kHover };

}  // namespace

class ButtonFaceTest : public QObject {
  Q_OBJECT

 private slots:
  void outlineAndCorners() {
    for (auto [w, h] : {std::pair{60, 23}, {31, 40}}) {
      const QImage image = Render(MakeLook(w, h, QStringLiteral("OK")));
      for (QPoint p :
           {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)})
        QCOMPARE(At(image, p.x(), p.y()), kOutline);
      // The bevel lines stop short of these, so they keep their colour.
      for (QPoint p : {QPoint(1, 1), QPoint(1, h - 2), QPoint(w - 2, 1), QPoint(w - 2, h - 2)})
        QCOMPARE(At(image, p.x(), p.y()), kOutlineCorner);
      QCOMPARE(image.pixel(w, h / 2), kSentinel);
    }
  }

  void shadedRows() {
    // A grey face shifts all three channels alike (blue proportionally to itself, 192).
    const struct {
      int h, row;
      Colour expected;
    } cases[] = {{23, 5, 0xEEEEEE}, {23, 11, 0xDEDEDE}, {23, 18, 0x6D6D6D},
                 {40, 5, 0xFAFAFA}, {40, 20, 0xE9E9E9}, {40, 35, 0x000000}};
    for (const auto& c : cases) {
      const QImage image = Render(MakeLook(50, c.h));
      QCOMPARE(At(image, 5, c.row), c.expected);
      QCOMPARE(At(image, 44, c.row), c.expected);
    }
  }

  void innerFrames() {
    const int w = 60, h = 23;
    // focus, isDefault, showFocusRect, pointerOver, bord → frame
    const struct {
      bool focus, isDefault, showFocusRect, over, bord;
      Frame frame;
    } cases[] = {
        {false, false, true, false, true, kPlain}, {true, false, true, false, true, kFocus},
        {false, true, true, false, true, kFocus},  {true, false, false, false, true, kPlain},
        {false, false, true, true, true, kHover},  {true, false, true, true, false, kPlain},
    };
    for (const auto& c : cases) {
      ButtonLook look = MakeLook(w, h, QStringLiteral("Go"));
      look.hasFocus = c.focus;
      look.isDefault = c.isDefault;
      look.showFocusRect = c.showFocusRect;
      look.pointerOver = c.over;
      look.bord = c.bord;
      int mode = -1;
      const QImage image = Render(look, &mode);
      QCOMPARE(mode, c.over ? 1 : 0);
      auto plain = [&](int amount) { return ShiftColour(look.palette.faceLight, amount, true); };
      // Left column, its neighbour, top line, bottom line, right column and the end of row 2.
      const QPoint at[] = {{1, 7}, {2, 7}, {8, 1}, {8, h - 2}, {w - 2, 7}, {w - 1, 2}};
      const Colour expected[3][6] = {
          {plain(-5), plain(-10), plain(16), plain(-48), plain(-36), kOutline},
          {0xE7AE8C, 0xF0D1B5, 0xFFE7CE, 0xEF826B, 0xE7AE8C, kOutline},
          {0x31B2FF, 0x6BCBFF, 0xCEF3FF, 0x0096E7, 0x31B2FF, kOutline},
      };
      for (int i = 0; i < 6; ++i) QCOMPARE(At(image, at[i].x(), at[i].y()), expected[c.frame][i]);
      // Inside the frame: the face, or on a focused button the focus ring (button_test).
      if (!c.focus)
        QCOMPARE(At(image, 3, 7), c.frame == kHover ? 0x31B2FF : Shaded(kFace, 7, h, 1.7));
      if (c.frame == kFocus) QCOMPARE(At(image, w - 2, 2), Colour{16242621});
    }
  }

  void pressedMirrorsFromBackOver() {
    const int w = 50, h = 30;
    ButtonLook look = MakeLook(w, h);
    look.state = 2;
    look.hasFocus = true;  // the pressed look has no focus frame
    int mode = -1;
    const QImage image = Render(look, &mode);
    QCOMPARE(mode, 2);
    for (int i : {5, 15, 24}) QCOMPARE(At(image, 6, h - i), Shaded(kOver, i, h, 1.5));
    const Colour light = look.palette.faceLight;
    const Colour base = ShiftColour(light, -32, true);
    QCOMPARE(At(image, 1, 10), ShiftColour(base, -32, true));
    QCOMPARE(At(image, 2, 10), ShiftColour(base, -22, true));
    QCOMPARE(At(image, 8, 2), ShiftColour(base, -24, true));
    QCOMPARE(At(image, w - 3, 10), light);
    QCOMPARE(At(image, w - 2, 10), ShiftColour(base, 5, true));
    QCOMPARE(At(image, 8, h - 2), ShiftColour(base, 16, true));
  }

  void disabledLook() {
    const int h = 30;
    ButtonLook look = MakeLook(80, h, QStringLiteral("WWW"));
    look.enabled = false;
    look.hasFocus = true;
    int mode = -1;
    const QImage image = Render(look, &mode);
    QCOMPARE(mode, 5);
    const int row = FirstRow(image, 0x585858);  // ShiftColour(face, −104, proportional)
    QVERIFY(row >= look.layout.caption.top() && row < look.layout.caption.bottom());
    // No outline: the shaded rows reach the border.
    QCOMPARE(At(image, 0, 10), Shaded(kFace, 10, h, 1.7));
  }

  void centredPicture() {
    ButtonLook look = MakeLook(30, 20);
    look.picturePosition = 4;
    look.pictureNormal = Solid(6, Qt::red);
    Relayout(look);
    QCOMPARE(look.layout.picture, QPoint(12, 7));
    const QImage image = Render(look);
    QCOMPARE(At(image, 12, 7), kRed);
    QCOMPARE(At(image, 17, 12), kRed);
    QVERIFY(At(image, 11, 7) != kRed && At(image, 18, 12) != kRed);
  }

  void maskAndGreyscale() {
    ButtonLook look = MakeLook(30, 20);
    look.picturePosition = 4;
    look.pictureNormal = Solid(6, QColor(10, 200, 30));
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 3; ++x) look.pictureNormal.setPixelColor(x, y, Qt::white);  // the mask
    }
    Relayout(look);
    const QImage bare = Render(MakeLook(30, 20));
    const Colour green = 0x1EC80A;
    const Colour grey = 0x7C7C7C;  // 10 × 0.3 rounds to 3; + 200 × 0.59 + 30 × 0.11 = 124.3

    QImage image = Render(look);
    QCOMPARE(At(image, 14, 9), At(bare, 14, 9));
    QCOMPARE(At(image, 15, 9), green);
    look.useMaskColor = false;
    QCOMPARE(At(Render(look), 14, 9), Colour{0xFFFFFF});
    look.useMaskColor = true;
    look.useGreyscale = true;
    image = Render(look);
    QCOMPARE(At(image, 15, 9), grey);
    QCOMPARE(At(image, 14, 9), At(bare, 14, 9));
  }

  void heightZeroPaintsNothing() {
    ButtonLook look = MakeLook(40, 0, QStringLiteral("Hidden"));
    look.captionMode = 3;
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(kSentinel);
    const QImage untouched = image.copy();
    QPainter painter(&image);
    QCOMPARE(PaintButton(painter, look), 3);
    painter.end();
    QCOMPARE(image, untouched);
  }

  void layoutCentring() {
    const QFont font = TestFont();
    const QString caption = QStringLiteral("&Hello");
    const QRect text = QFontMetrics(font).boundingRect(
        QRect(0, 0, 500, 500), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption);
    const int tw = text.width();
    const int th = text.height();
    QVERIFY(tw > 30 && tw < 60);
    const int w = 101, h = 41;
    // Room from (1, 1), or beside the 16 × 16 picture; half the slack moves it, truncated.
    const struct {
      int position, left, top;
      QPoint picture;
    } cases[] = {
        {4, 1 + (w - 1 - tw) / 2, 1 + (h - 1 - th) / 2, {(w - 16) / 2, (h - 16) / 2}},
        {0, 17 + (w - 17 - tw) / 2, 1 + (h - 1 - th) / 2, {(w - 17 - tw) / 2 - 3, 12}},
        {1, 1 + (w - 1 - tw - 20) / 2, 1 + (h - 1 - th) / 2, {5 + (w - 1 - tw - 20) / 2 + tw, 12}},
        {2, 1 + (w - 1 - tw) / 2, 17 + (h - 17 - th) / 2, {42, (h - 17 - th) / 2 - 1}},
        {3, 1 + (w - 1 - tw) / 2, 1 + (h - 1 - th - 20) / 2, {42, (h - 1 - th - 20) / 2 + th + 3}},
    };
    for (const auto& c : cases) {
      const CaptionLayout layout = LayoutCaption(caption, font, c.position, QSize(16, 16), w, h);
      QCOMPARE(layout.captionWidth, tw);
      QCOMPARE(layout.captionHeight, th);
      QCOMPARE(layout.caption, QRect(QPoint(c.left, c.top), QPoint(c.left + tw, c.top + th)));
      QCOMPARE(layout.pressedCaption, layout.caption.translated(1, 1));
      QCOMPARE(layout.picture, c.picture);
    }
    // Without text the picture is centred whatever its position.
    QCOMPARE(LayoutCaption(QStringLiteral("  "), font, 0, {16, 16}, w, h).picture, QPoint(42, 12));
  }

  void regions() {
    const int w = 30, h = 20;
    const QRegion three = BuildRegion(3, w, h);
    QCOMPARE(Area(three), w * h - 12);
    for (QPoint p :
         {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(w - 2, 0), QPoint(w - 1, 1),
          QPoint(1, h - 1), QPoint(0, h - 2), QPoint(w - 1, h - 2), QPoint(w - 2, h - 1)})
      QVERIFY(!three.contains(p));
    for (QPoint p : {QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(w - 2, h - 2)})
      QVERIFY(three.contains(p));

    const QRegion one = BuildRegion(1, w, h);
    QCOMPARE(Area(one), w * h - 4);
    QVERIFY(!one.contains(QPoint(w - 1, h - 1)) && one.contains(QPoint(1, 0)));

    const QRegion five = BuildRegion(5, w, h);
    QCOMPARE(Area(five), w * h - 2);
    QVERIFY(!five.contains(QPoint(0, h - 1)) && !five.contains(QPoint(w - 1, 0)));

    // The ellipse keeps the pixels whose centres lie inside it, the same mirrored either way.
    const QRegion ellipse = BuildRegion(13, w, h);
    QCOMPARE(ellipse.intersected(QRect(0, 0, w, 1)), QRegion(10, 0, 10, 1));
    QCOMPARE(ellipse.intersected(QRect(0, h - 1, w, 1)), QRegion(10, h - 1, 10, 1));
    QCOMPARE(ellipse.boundingRect(), QRect(0, 0, w, h));
  }
};

QTEST_MAIN(ButtonFaceTest)
#include "button_face_test.moc"
