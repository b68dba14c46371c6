// A button's properties: what their setters report, and the window definition's saved values.
#include "ui/controls/button_properties.h"

#include <QSignalSpy>
#include <QtTest>

#include "ui/controls/button.h"

using namespace vokabi::ui;

namespace {

const QStringList kSavingOrder = {"BTYPE", "TX",    "ToteX", "ENAB",  "FONT",   "COLTYPE", "FOCUSR",
                                  "BCOL",  "BCOLO", "FCOL",  "FCOLO", "MCOL",   "MPTR",    "MICON",
                                  "PICN",  "PICH",  "UMCOL", "SOFT",  "PICPOS", "NGREY",   "FX",
                                  "HAND",  "Bord",  "CHECK", "VALUE"};

QImage Picture(QRgb colour, int size) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

}  // namespace

class ButtonPropertiesTest : public QObject {
  Q_OBJECT

 private slots:
  void runTimeColoursAndVersion() {
    Button button;
    button.SetBackOver(0x112233);
    button.SetForeOver(0x445566);
    button.SetBackColor(0xABCDEF);
    button.SetForeColor(0x010203);
    QCOMPARE(button.BackOver(), Colour{0x112233});
    QCOMPARE(button.ForeOver(), Colour{0x445566});
    QCOMPARE(button.BackColor(), Colour{0xABCDEF});

    QCOMPARE(button.Version(), QStringLiteral("1.0.0"));
    button.SetButtonType(7);
    QCOMPARE(button.property("Version").toString(), QStringLiteral("1.0.0"));
  }

  void propertiesSurviveSavingAndLoading() {
    Button first;
    first.SetButtonType(3);
    first.SetCaption(QStringLiteral("&Translate"));
    first.SetTooltip(QStringLiteral("tip"));
    first.SetEnabled(false);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    first.SetFont(font);
    first.SetColorScheme(2);
    first.SetShowFocusRect(false);
    first.SetBackColor(0x102030);
    first.SetBackOver(0x405060);
    first.SetForeColor(0x708090);
    first.SetForeOver(0xA0B0C0);
    first.SetMaskColor(0xFFFFFF);
    first.SetPictureNormal(Picture(qRgb(1, 2, 3), 8));
    first.SetPictureOver(Picture(qRgb(4, 5, 6), 8));
    first.SetUseMaskColor(false);
    first.SetSoftBevel(true);
    first.SetPicturePosition(4);
    first.SetUseGreyscale(true);
    first.SetSpecialEffect(2);
    first.SetBord(false);
    first.SetHandPointer(true);
    first.SetCheckBoxBehaviour(true);
    first.SetValue(true);

    PropertyStore store;
    first.SaveProperties(store);
    QCOMPARE(store.Keys(), kSavingOrder);
    QVERIFY(std::holds_alternative<std::int16_t>(*store.Find("MPTR")));
    QVERIFY(std::holds_alternative<Colour>(*store.Find("BCOL")));

    Button second;
    second.LoadProperties(store);
    for (const char* name :
         {"ButtonType",   "Caption",       "Tooltip",           "Enabled",       "Font",
          "ColorScheme",  "ShowFocusRect", "BackColor",         "BackOver",      "ForeColor",
          "ForeOver",     "MaskColor",     "MousePointer",      "PictureNormal", "PictureOver",
          "UseMaskColor", "SoftBevel",     "PicturePosition",   "UseGreyscale",  "SpecialEffect",
          "Bord",         "HandPointer",   "CheckBoxBehaviour", "Value"}) {
      QVERIFY2(second.property(name) == first.property(name), name);
    }
    QVERIFY(!second.isEnabled());
    QCOMPARE(second.Input().AccessKey(), QChar(u't'));
    QCOMPARE(second.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(second.Layout().caption, first.Layout().caption);
  }

  void missingKeysLoadTheirDefaults() {
    Button button;
    button.SetButtonType(9);
    button.SetColorScheme(3);
    button.SetMaskColor(0x123456);
    button.SetBord(false);
    const QFont before = button.Font();
    button.LoadProperties(PropertyStore());
    QCOMPARE(button.ButtonType(), 2);
    QCOMPARE(button.ColorScheme(), 1);
    QCOMPARE(button.BackColor(), SystemColour(15));
    QCOMPARE(button.ForeColor(), SystemColour(18));
    QCOMPARE(button.MaskColor(), Colour{0xC0C0C0});
    QVERIFY(button.Bord());
    QVERIFY(button.Enabled());
    QVERIFY(button.ShowFocusRect());
    QVERIFY(button.UseMaskColor());
    QCOMPARE(button.Font(), before);

    PropertyStore store;  // the over colours follow the plain ones just loaded
    store.Write("BCOL", Colour{0x00AA00});
    store.Write("FCOL", Colour{0x0000AA});
    button.LoadProperties(store);
    QCOMPARE(button.BackOver(), Colour{0x00AA00});
    QCOMPARE(button.ForeOver(), Colour{0x0000AA});
  }

  void hoverPictureLoadsFromPichAndReportsPico() {
    PropertyStore store;
    const QImage hover = Picture(qRgb(200, 10, 10), 12);
    store.Write("PICH", hover);
    Button button;
    button.LoadProperties(store);
    QCOMPARE(button.PictureOver(), hover);

    QSignalSpy spy(&button, &Button::PropertyChanged);
    button.SetPictureOver(Picture(qRgb(0, 0, 0), 4));
    button.SetBackColor(0x010101);
    button.SetFontBold(true);
    button.SetFontSize(12);
    button.SetFont(QFont());
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("PICO"));
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("BCOL"));
    QCOMPARE(spy.at(2).at(0).toString(), QStringLiteral("FONT"));
  }

  void handPointerSetsThePointer() {
    Button button;
    button.SetHandPointer(true);
    QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(button.MousePointer(), short{99});
    button.SetHandPointer(false);
    QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(button.MousePointer(), short{1});
    button.SetMousePointer(3);
    QCOMPARE(button.cursor().shape(), Qt::IBeamCursor);
    button.SetMouseIcon(QImage());  // unusable as a pointer: ignored
    QCOMPARE(button.cursor().shape(), Qt::IBeamCursor);

    // The hand and a picture of one's own replace each other, whichever was set last.
    button.SetHandPointer(true);
    button.SetMouseIcon(Picture(qRgb(9, 9, 9), 16));
    QCOMPARE(button.cursor().shape(), Qt::BitmapCursor);
    button.SetHandPointer(true);
    QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
  }
};

QTEST_MAIN(ButtonPropertiesTest)
#include "button_properties_test.moc"
