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

class PainterTest : public QObject {
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

  void shadedRows_data() {
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("soft");
    QTest::addColumn<Colour>("expected");
    // A grey face shifts all three channels alike (blue proportionally to itself, 192).
    QTest::newRow("23 row 5") << 23 << 5 << false << Colour{0xEEEEEE};
    QTest::newRow("23 row 11") << 23 << 11 << false << Colour{0xDEDEDE};
    QTest::newRow("23 row 18") << 23 << 18 << false << Colour{0x6D6D6D};
    QTest::newRow("40 row 5") << 40 << 5 << false << Colour{0xFAFAFA};
    QTest::newRow("40 row 20") << 40 << 20 << false << Colour{0xE9E9E9};
    QTest::newRow("40 row 35 clamps") << 40 << 35 << false << Colour{0x000000};
    QTest::newRow("23 row 5 soft") << 23 << 5 << true << Colour{0xD7D7D7};
  }

  void shadedRows() {
    QFETCH(int, h);
    QFETCH(int, row);
    QFETCH(bool, soft);
    QFETCH(Colour, expected);
    ButtonLook look = MakeLook(50, h);
    look.softBevel = soft;
    const QImage image = Render(look);
    QCOMPARE(At(image, 5, row), expected);
    QCOMPARE(At(image, 44, row), expected);
  }

  void innerFrames_data() {
    QTest::addColumn<bool>("focus");
    QTest::addColumn<bool>("isDefault");
    QTest::addColumn<bool>("showFocusRect");
    QTest::addColumn<bool>("over");
    QTest::addColumn<bool>("bord");
    QTest::addColumn<int>("frame");
    QTest::newRow("idle") << false << false << true << false << true << int{kPlain};
    QTest::newRow("focused") << true << false << true << false << true << int{kFocus};
    QTest::newRow("default") << false << true << true << false << true << int{kFocus};
    QTest::newRow("focus hidden") << true << false << false << false << true << int{kPlain};
    QTest::newRow("hover") << false << false << true << true << true << int{kHover};
    QTest::newRow("hover on focused") << true << false << true << true << true << int{kHover};
    QTest::newRow("hover without Bord") << true << false << true << true << false << int{kPlain};
  }

  void innerFrames() {
    const int w = 60;
    const int h = 23;
    ButtonLook look = MakeLook(w, h, QStringLiteral("Go"));
    QFETCH(bool, focus);
    QFETCH(bool, isDefault);
    QFETCH(bool, showFocusRect);
    QFETCH(bool, over);
    QFETCH(bool, bord);
    QFETCH(int, frame);
    look.hasFocus = focus;
    look.isDefault = isDefault;
    look.showFocusRect = showFocusRect;
    look.pointerOver = over;
    look.bord = bord;
    int mode = -1;
    const QImage image = Render(look, &mode);
    QCOMPARE(mode, over ? 1 : 0);
    auto plain = [&look](int amount) { return ShiftColour(look.palette.faceLight, amount, true); };
    // Left column, its neighbour, top line, bottom line, right column and the end of row 2.
    const QPoint at[] = {{1, 7}, {2, 7}, {8, 1}, {8, h - 2}, {w - 2, 7}, {w - 1, 2}};
    const Colour expected[3][6] = {
        {plain(-5), plain(-10), plain(16), plain(-48), plain(-36), kOutline},
        {0xE7AE8C, 0xF0D1B5, 0xFFE7CE, 0xEF826B, 0xE7AE8C, kOutline},
        {0x31B2FF, 0x6BCBFF, 0xCEF3FF, 0x0096E7, 0x31B2FF, kOutline},
    };
    for (int i = 0; i < 6; ++i) QCOMPARE(At(image, at[i].x(), at[i].y()), expected[frame][i]);
    QCOMPARE(At(image, 3, 7), frame == kHover ? 0x31B2FF : Shaded(kFace, 7, h, 1.7));
    if (frame == kFocus) QCOMPARE(At(image, w - 2, 2), Colour{16242621});
  }

  void pressedMirrorsFromBackOver() {
    const int w = 50;
    const int h = 30;
    ButtonLook look = MakeLook(w, h);
    look.state = 2;
    look.hasFocus = true;  // the pressed look has no focus frame
    int mode = -1;
    const QImage image = Render(look, &mode);
    QCOMPARE(mode, 2);
    for (int i : {5, 15, 24}) QCOMPARE(At(image, 6, h - i), Shaded(kOver, i, h, 1.5));
    QCOMPARE(At(image, 0, 10), kOutline);
    QCOMPARE(At(image, 1, 1), kOutlineCorner);
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
    // No outline: the shaded rows reach the border, under a plain bevel.
    QCOMPARE(At(image, 0, 10), Shaded(kFace, 10, h, 1.7));
    QCOMPARE(At(image, 1, 1), Shaded(kFace, 1, h, 1.7));
    QCOMPARE(At(image, 1, 10), ShiftColour(look.palette.faceLight, -5, true));
  }

  void captionEffect() {
    // A bluish face, so that no shaded row has the plainly shifted colours of the effect.
    for (int effect : {1, 2, 3}) {
      ButtonLook look = MakeLook(90, 30, QStringLiteral("WWW"), 3, 0x60C0C0);
      look.specialEffect = effect;
      const QImage image = Render(look);
      const int text = FirstRow(image, kText);
      const int lighter = FirstRow(image, ShiftColour(look.palette.faceLight, 40, false));
      const int darker = FirstRow(image, ShiftColour(look.palette.faceLight, -40, false));
      QVERIFY(text > 0);
      QCOMPARE(darker, effect == 2 ? text - 1 : text + 1);
      QCOMPARE(lighter, effect == 1 ? text - 1 : effect == 2 ? text + 1 : -1);
    }
  }

  void centredPicture() {
    ButtonLook look = MakeLook(30, 20);
    look.picturePosition = 4;
    look.pictureNormal = Solid(6, Qt::red);
    Relayout(look);
    QCOMPARE(look.layout.picture, QPoint(12, 7));
    QImage image = Render(look);
    QCOMPARE(At(image, 12, 7), kRed);
    QCOMPARE(At(image, 17, 12), kRed);
    QVERIFY(At(image, 11, 7) != kRed && At(image, 18, 12) != kRed);

    look.state = 2;  // pressed: moved by (1, 1)
    image = Render(look);
    QCOMPARE(At(image, 18, 13), kRed);
    QVERIFY(At(image, 12, 7) != kRed);

    look.state = 0;
    look.pointerOver = true;
    look.pictureOver = Solid(6, Qt::green);
    QCOMPARE(At(Render(look), 12, 7), Colour{0x00FF00});

    // The caption is drawn again on top of a centred picture.
    look = MakeLook(80, 30, QStringLiteral("WWW"));
    look.picturePosition = 4;
    look.pictureNormal = Solid(24, Qt::red);
    Relayout(look);
    const QImage covered = Render(look).copy(28, 3, 24, 24);
    QVERIFY(FirstRow(covered, kText) >= 0 && FirstRow(covered, kRed) >= 0);
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
    look.pointerOver = true;  // the over look is in colour
    QCOMPARE(At(Render(look), 15, 9), green);
    look.pointerOver = false;
    look.useGreyscale = false;
    look.enabled = false;  // disabled: grey, moved by (1, 1)
    image = Render(look);
    QCOMPARE(At(image, 16, 10), grey);
    QCOMPARE(At(image, 18, 13), grey);
    QVERIFY(At(image, 15, 10) != grey);
  }

  void heightZeroPaintsNothing() {
    ButtonLook look = MakeLook(40, 0, QStringLiteral("Hidden"));
    look.captionMode = 3;
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(kSentinel);
    QPainter painter(&image);
    QCOMPARE(PaintButton(painter, look), 3);
    painter.end();
    QImage untouched(40, 10, QImage::Format_RGB32);
    untouched.fill(kSentinel);
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
    const int w = 101;
    const int h = 41;
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
    // A word wider than the face overhangs; the half of a negative slack truncates toward zero.
    // Two widths, so that one of them leaves an odd slack.
    for (int face : {20, 21}) {
      const CaptionLayout wide = LayoutCaption(QStringLiteral("WWWWWW"), font, 4, {}, face, 20);
      const int slack = face - 1 - wide.captionWidth;
      QVERIFY(slack < 0);
      QCOMPARE(wide.caption.left(), 1 - (-slack) / 2);
    }
    // Words wrap onto lines of their own in a narrow face.
    QCOMPARE(LayoutCaption(QStringLiteral("Go on now"), font, 4, {}, 40, 80).captionHeight, 3 * th);
  }

  void regions() {
    const int w = 30;
    const int h = 20;
    const QRegion three = BuildRegion(3, w, h);
    QCOMPARE(Area(three), w * h - 12);
    for (QPoint p :
         {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(w - 2, 0), QPoint(w - 1, 1),
          QPoint(1, h - 1), QPoint(0, h - 2), QPoint(w - 1, h - 2), QPoint(w - 2, h - 1)})
      QVERIFY(!three.contains(p));
    for (QPoint p : {QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(w - 2, h - 2)})
      QVERIFY(three.contains(p));
    QCOMPARE(Area(BuildRegion(4, w, h)), w * h - 12);

    const QRegion one = BuildRegion(1, w, h);
    QCOMPARE(Area(one), w * h - 4);
    QVERIFY(!one.contains(QPoint(w - 1, h - 1)) && one.contains(QPoint(1, 0)));
    QCOMPARE(Area(BuildRegion(14, w, h)), w * h - 4);

    const QRegion five = BuildRegion(5, w, h);
    QCOMPARE(Area(five), w * h - 2);
    QVERIFY(!five.contains(QPoint(0, h - 1)) && !five.contains(QPoint(w - 1, 0)));

    // The ellipse keeps the pixels whose centres lie inside it, the same mirrored either way.
    const QRegion ellipse = BuildRegion(13, w, h);
    QCOMPARE(ellipse.intersected(QRect(0, 0, w, 1)), QRegion(10, 0, 10, 1));
    QCOMPARE(ellipse.boundingRect(), QRect(0, 0, w, h));
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool inside = ellipse.contains(QPoint(x, y));
        QCOMPARE(ellipse.contains(QPoint(w - 1 - x, y)), inside);
        QCOMPARE(ellipse.contains(QPoint(x, h - 1 - y)), inside);
      }
    }
    QCOMPARE(Area(BuildRegion(2, w, h)), w * h);
    QVERIFY(BuildRegion(3, w, 0).isEmpty());
  }

  void classicTypes() {
    const int w = 40;
    const int h = 24;
    ButtonLook look = MakeLook(w, h, {}, 1);
    const ButtonPalette c = look.palette;
    look.hasFocus = true;
    QImage image = Render(look);
    QCOMPARE(At(image, 0, 8), c.darkShadow);
    QCOMPARE(At(image, 1, 8), c.highlight);
    QCOMPARE(At(image, 2, 8), c.highlight);
    QCOMPARE(At(image, w - 2, 8), c.shadow);
    QCOMPARE(At(image, 1, h - 2), c.shadow);  // the bottom line runs over the left one's start
    QCOMPARE(At(image, w - 2, 1), c.shadow);
    // The dotted focus rectangle, four pixels in, every other pixel.
    QCOMPARE(At(image, 4, 4), kText);
    QCOMPARE(At(image, 5, 4), c.face);
    QCOMPARE(At(image, 4, 5), c.face);
    QCOMPARE(At(image, w - 5, h - 5), kText);
    look.showFocusRect = false;
    QCOMPARE(At(Render(look), 4, 4), c.face);
    look.state = 2;
    image = Render(look);
    QCOMPARE(At(image, 1, 8), c.shadow);
    QCOMPARE(At(image, w - 2, 8), c.highlight);

    look = MakeLook(w, h, {}, 13);
    look.state = 2;
    QCOMPARE(At(Render(look), w / 2, h / 2), ShiftColour(kFace, -32, false));

    // Caption modes: disabled by type, and type 14's own pressed mode.
    int mode = -1;
    for (auto [type, expected] :
         {std::pair{1, 3}, {2, 3}, {4, 3}, {5, 4}, {6, 4}, {9, 4}, {12, 3}, {13, 3}, {14, 6}}) {
      look = MakeLook(w, h, QStringLiteral("x"), type);
      look.enabled = false;
      Render(look, &mode);
      QCOMPARE(mode, expected);
    }
    look = MakeLook(w, h, QStringLiteral("x"), 14);
    look.state = 2;
    Render(look, &mode);
    QCOMPARE(mode, 7);
  }
};

QTEST_MAIN(PainterTest)
#include "painter_test.moc"
