#include "ui/controls/colour.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include "ui/controls/button_palette.h"
#include "ui/controls/schemes.h"
#include "ui/controls/window_frame.h"

using namespace vokabi::ui;

class ColourTest : public QObject {
  Q_OBJECT

 private slots:
  void shiftColourClampsTowardItsDirection() {
    QCOMPARE(ShiftColour(0x808080, 300, false), Colour{0xFFFFFF});
    QCOMPARE(ShiftColour(0x808080, -300, false), Colour{0x000000});
    QCOMPARE(ShiftColour(0x808080, -300, true), Colour{0x000000});
    QCOMPARE(ShiftColour(0x101010, 31, false, true), Colour{0x1F1F1F});   // soft: +15
    QCOMPARE(ShiftColour(0x101010, -31, false, true), Colour{0x010101});  // soft: -15
  }

  void proportionalBlueFollowsTheBlueChannel() {
    QCOMPARE(ShiftColour(0x00FFFF, 100, true), Colour{0x00FFFF});  // no blue stays none
    QCOMPARE(ShiftColour(0x000000, -50, true), Colour{0x000000});
    QCOMPARE(ShiftColour(0x400000, 30, true), Colour{0x4A1E1E});  // 64 + 64*30/192
    QCOMPARE(ShiftColour(0x640A0A, -7, true), Colour{0x610303});  // 100 - 3, truncated
  }

  void blendToWhite() {
    QCOMPARE(BlendToWhite(0x000000, 176), Colour{0xB0B0B0});
    for (const Colour c : {Colour{0}, Colour{0x123456}, Colour{0xFFFFFF}}) {
      QCOMPARE(BlendToWhite(c, 255), Colour{0xFFFFFF});
    }
    QCOMPARE(BlendToWhite(0x0000FF, 0), Colour{0x0000FF});
  }

  void redIsTheLowByteAndSystemColoursComeFromThePalette() {
    QCOMPARE(ToQColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(FromQColor(QColor(1, 2, 3)), Colour{0x030201});
    QPalette system;
    system.setColor(QPalette::Button, QColor(10, 20, 30));
    system.setColor(QPalette::Highlight, QColor(0, 0, 128));
    QCOMPARE(TranslateColour(SystemColour(15), system), Colour{0x1E140A});
    QCOMPARE(TranslateColour(0x123456, system), Colour{0x123456});

    PaletteSource source;  // scheme 1: the system's colours
    source.maskColor = SystemColour(15);
    const ButtonPalette p = ComputeColours(source, system);
    QCOMPARE(p.face, Colour{0x1E140A});
    QCOMPARE(p.mask, Colour{0x1E140A});
    QCOMPARE(p.selectionLight, BlendToWhite(0x800000, 176));
  }

  void schemeTwoShadesFromTheProperties() {
    PaletteSource source;
    source.colorScheme = 2;
    source.backColor = 0x808080;
    source.backOver = 0x404040;
    source.foreColor = 0x0000FF;
    source.foreOver = 0x00FF00;
    ButtonPalette p = ComputeColours(source, QPalette());
    QCOMPARE(p.face, Colour{0x808080});
    QCOMPARE(p.faceOver, Colour{0x404040});
    QCOMPARE(p.shadow, Colour{0x404040});
    QCOMPARE(p.light, Colour{0x9F9F9F});
    QCOMPARE(p.highlight, Colour{0xAFAFAF});
    QCOMPARE(p.darkShadow, Colour{0x000000});
    QCOMPARE(p.selection, Colour{0x000000});
    QCOMPARE(p.textOver, Colour{0x00FF00});
    QCOMPARE(p.faceLight, ShiftColour(0x808080, 48, true));  // proportional for type 3 only
    source.buttonType = 1;
    QCOMPARE(ComputeColours(source, QPalette()).faceLight, Colour{0xB0B0B0});
    source.softBevel = true;
    QCOMPARE(ComputeColours(source, QPalette()).shadow, Colour{0x606060});

    source.colorScheme = 3;
    p = ComputeColours(source, QPalette());
    QCOMPARE(p.face, Colour{0xC0C0C0});
    QCOMPARE(p.selectionLight, Colour{0xD1ADAD});
    source.colorScheme = 4;
    source.parentBack = 0x202020;
    source.parentText = 0x010203;
    p = ComputeColours(source, QPalette());
    QCOMPARE(p.face, Colour{0x202020});
    QCOMPARE(p.text, Colour{0x010203});
  }

  void everySchemeHasItsSixColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("position");  // in the settings list
    QTest::addColumn<SchemeColours>("want");
    int position = 0;
    const auto row = [&position](const char* name, SchemeColours colours) {
      QTest::newRow(name) << QString::fromLatin1(name) << position++ << colours;
    };
    row("Silver", {0xF4F4F4, 0x000000, 0xF4F4F4, 0xFF0000, 0xFFFFFF, 0x000000});
    row("Gold", {0x37D9FB, 0x000000, 0x37D9FB, 0xFF0000, 0xCCFFFF, 0x000000});
    row("Copper", {0x435991, 0x00FFFF, 0x576C9F, 0xFF0000, 0xCCFFFF, 0x000000});
    row("Chrome", {0xC0C0C0, 0x000000, 0xC0C0C0, 0xFF0000, 0xCCFFFF, 0x000000});
    row("Red", {0x0000C0, 0x00FFFF, 0x0000C0, 0xFF0000, 0xCCFFFF, 0x000000});
    row("Green", {0x5AAA29, 0x000000, 0x5AAA29, 0xFF0000, 0xCCFFFF, 0x000000});
    row("Green Metallic", {0x00C000, 0x000000, 0x00C000, 0xFF0000, 0xCCFFFF, 0x000000});
    row("Blue sky", {0xCE9A63, 0x000000, 0xCE9A63, 0xFF0000, 0xCCFFFF, 0x000000});
    row("Blue dark", {0xFF4A1E, 0x00FFFF, 0xFF6F42, 0xFF0000, 0xCCFFFF, 0x000000});
    row("Black", {0x5A5A5A, 0xFFFFFF, 0x5A5A5A, 0xFF0000, 0xCCFFFF, 0x000000});
  }

  void everySchemeHasItsSixColours() {
    QFETCH(QString, name);
    QFETCH(int, position);
    QFETCH(SchemeColours, want);
    QCOMPARE(SchemeNames().size(), 10);
    QCOMPARE(SchemeNames().at(position), name);
    // The stored name is compared whatever its case.
    for (const QString& spelling : {name, name.toUpper(), name.toLower()}) {
      const SchemeColours got = LookupSchemeColours(spelling);
      QCOMPARE(got.optionBack, want.optionBack);
      QCOMPARE(got.schemeText, want.schemeText);
      QCOMPARE(got.schemeButton, want.schemeButton);
      QCOMPARE(got.listHighlight, want.listHighlight);
      QCOMPARE(got.listBack, want.listBack);
      QCOMPARE(got.listText, want.listText);
    }
  }

  void anUnknownSchemeIsBlueSky() {
    for (const QString& other :
         {QStringLiteral("Purple"), QString(), QStringLiteral("Blue sky ")}) {
      QCOMPARE(LookupSchemeColours(other).optionBack, Colour{0xCE9A63});
      QCOMPARE(LookupSchemeColours(other).schemeButton, Colour{0xCE9A63});
    }
  }

  void markStandsOutInEveryScheme() {
    QCOMPARE(Contrast(0x000000, 0xFFFFFF), 21.0);
    QCOMPARE(Contrast(0x5AAA29, 0x5AAA29), 1.0);
    // Green's face against the frame a plain style draws around a chosen flag: hard to tell.
    QVERIFY(Contrast(0x8AD85D, 0x6EAC4A) < 2.0);
    for (const QString& name : SchemeNames()) {
      const SchemeColours scheme = LookupSchemeColours(name);
      QVERIFY2(Contrast(MarkColour(scheme), scheme.optionBack) >= 4.5, qPrintable(name));
    }
    // The scheme's own text colour where it reads well: black on Green, white on Black.
    QCOMPARE(MarkColour(LookupSchemeColours(QStringLiteral("Green"))), Colour{0x000000});
    QCOMPARE(MarkColour(LookupSchemeColours(QStringLiteral("Black"))), Colour{0xFFFFFF});
  }

  void windowFrameIsRaised() {
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    ShadeWindowFrame(painter, 100, 60, 0x5AAA29);
    painter.end();
    const auto at = [&](int x, int y) { return FromQColor(image.pixelColor(x, y)); };
    // Outer top and left: amount round(35.857 * sin(-83°) * -2.9167) = 104.
    QCOMPARE(at(0, 0), Colour{0x8AFF91});
    QCOMPARE(at(0, 30), Colour{0x8AFF91});
    QCOMPARE(at(99, 0), Colour{0x8AFF91});
    // Outermost visible right and bottom (the line of i = 6): amount -109.
    QCOMPARE(at(99, 30), Colour{0x273D00});
    QCOMPARE(at(50, 59), Colour{0x273D00});
    // Seven pixels in, the plain background; the middle is left alone.
    QCOMPARE(at(7, 30), Colour{0x5AAA29});
    QCOMPARE(image.pixelColor(50, 30), QColor(Qt::magenta));
  }
};

QTEST_MAIN(ColourTest)
#include "colour_test.moc"
