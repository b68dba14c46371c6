// The button's painting part: when it repaints, and what the button's state makes it draw.
#include "ui/controls/button_painter.h"

#include <QtTest>

#include "ui/controls/button.h"
#include "ui/controls/program_button.h"
#include "ui/controls/schemes.h"

using namespace vokabi::ui;

namespace {

// A shown window holding one button.
struct Host {
  Host() {
    window.resize(240, 120);
    button = new Button(&window);
    button->setGeometry(20, 20, 100, 30);
    window.show();
  }

  QWidget window;
  Button* button = nullptr;
};

// A caption-less button of the program's look, its pointer over it or not as the test says.
Button* PlainButton(QWidget& window, const char* name, int y, Colour back, Colour over,
                    const bool& pointerOver) {
  Button* button = MakeProgramButton(&window, name, QRect(10, y, 90, 24));
  button->SetCaption(QString());
  button->SetBackColor(back);
  button->SetBackOver(over);
  button->SetMouseOverProbe([&pointerOver] { return pointerOver; });
  return button;
}

}  // namespace

class ButtonPainterTest : public QObject {
  Q_OBJECT

 private slots:
  void focusMarkStandsOutInEveryScheme_data() {
    QTest::addColumn<QString>("scheme");
    for (const QString& name : SchemeNames()) QTest::newRow(qPrintable(name)) << name;
  }

  void focusMarkStandsOutInEveryScheme() {
    QFETCH(QString, scheme);
    const SchemeColours colours = LookupSchemeColours(scheme);
    QWidget window;
    window.resize(200, 80);
    // Dressed as every window dresses its buttons.
    Button* button = MakeProgramButton(&window, "BtnOk", QRect(10, 10, 90, 24));
    button->SetBackColor(colours.schemeButton);
    button->SetBackOver(colours.schemeButton);
    button->SetForeColor(colours.schemeText);
    button->SetForeOver(colours.schemeText);
    button->SetCaption(QStringLiteral("Ok"));
    button->SetMouseOverProbe([] { return false; });
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    const QImage plain = button->grab().toImage();
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    const QImage focused = button->grab().toImage();
    const int w = focused.width();
    const int h = focused.height();
    // A mark two pixels wide all round inside the outline, set off (3:1) from the face it lies
    // on, which the rows shade from light to dark: measured against the same pixel unfocused.
    for (const QPoint& p :
         {QPoint(3, h / 2), QPoint(4, h / 2), QPoint(w - 4, h / 2), QPoint(w - 5, h / 2),
          QPoint(w / 4, 3), QPoint(w / 4, 4), QPoint(w / 4, h - 5), QPoint(w / 4, h - 4)}) {
      const QColor mark = focused.pixelColor(p);
      const QColor face = plain.pixelColor(p);
      QVERIFY2(Contrast(FromQColor(mark), FromQColor(face)) >= 3.0,
               qPrintable(QStringLiteral("(%1,%2) %3 on %4")
                              .arg(p.x())
                              .arg(p.y())
                              .arg(mark.name(), face.name())));
    }
  }

  void unchangedRedrawPaintsOnce() {
    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    const int start = host.button->Painter().RedrawCount();
    host.button->Redraw(2, false);
    host.button->Redraw(2, false);
    QCOMPARE(host.button->Painter().RedrawCount(), start + 1);
    host.button->Redraw(2, true);
    QCOMPARE(host.button->Painter().RedrawCount(), start + 2);
    host.button->SetCaption(QStringLiteral("Other"));
    QCOMPARE(host.button->Painter().RedrawCount(), start + 3);

    host.button->resize(100, 0);  // no height: nothing to paint
    const int flat = host.button->Painter().RedrawCount();
    host.button->Redraw(2, true);
    QCOMPARE(host.button->Painter().RedrawCount(), flat);
  }

  void pointerOverShadesTheFaceFromBackOver() {
    QWidget window;
    window.resize(200, 80);
    const bool never = false;
    bool over = false;
    Button* hovered = PlainButton(window, "BtnHovered", 10, 0x2060A0, 0x40C040, over);
    Button* plain = PlainButton(window, "BtnPlain", 40, 0x40C040, 0x40C040, never);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    over = true;
    QTest::mouseMove(hovered, QPoint(45, 12));
    QTRY_VERIFY(hovered->Input().PointerOver());
    const QImage hover = hovered->grab().toImage();
    const QImage reference = plain->grab().toImage();
    // Inside the hover frame every row is shaded from BackOver, as a face of that colour is.
    for (int y = 5; y < hover.height() - 5; ++y) {
      QCOMPARE(hover.pixelColor(45, y), reference.pixelColor(45, y));
    }
    QCOMPARE(hovered->BackColor(), Colour{0x2060A0});
  }
};

QTEST_MAIN(ButtonPainterTest)
#include "button_painter_test.moc"
