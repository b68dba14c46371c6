// The frame every window of the program shares: painted in the scheme, dragged by its surface.
#include "ui/controls/frameless_window.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "ui/controls/colour.h"
#include "ui/controls/schemes.h"

using namespace vokabi::ui;

class FramelessWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void paintsTheSchemeWithTheShadedEdge() {
    FramelessWindow window;
    window.resize(120, 80);
    const SchemeColours green = LookupSchemeColours(QStringLiteral("Green"));
    window.Restyle(green);
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QImage image = window.grab().toImage();
    QCOMPARE(FromQColor(image.pixelColor(60, 40)), green.optionBack);
    // Lighter at the outer top and left, darker at the outer right and bottom.
    QVERIFY(image.pixelColor(0, 40).lightness() > ToQColor(green.optionBack).lightness());
    QVERIFY(image.pixelColor(119, 40).lightness() < ToQColor(green.optionBack).lightness());
    QVERIFY(image.pixelColor(60, 79).lightness() < ToQColor(green.optionBack).lightness());
  }

  void draggingTheSurfaceMovesTheWindow() {
    FramelessWindow window;
    window.resize(200, 100);
    auto* surface = new QLabel(&window);
    surface->setGeometry(0, 0, 200, 100);
    window.DragBy(surface);
    auto* button = new QPushButton(&window);
    button->setGeometry(150, 60, 40, 30);
    QSignalSpy clicks(button, &QPushButton::clicked);
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QPoint from = window.pos();
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(surface, QPoint(50, 35));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(50, 35));
    QCOMPARE(window.pos(), from + QPoint(30, 15));
    // Without the button held the pointer moves alone; a control keeps its own clicks.
    QTest::mouseMove(surface, QPoint(10, 10));
    QCOMPARE(window.pos(), from + QPoint(30, 15));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(window.pos(), from + QPoint(30, 15));
  }
};

QTEST_MAIN(FramelessWindowTest)
#include "frameless_window_test.moc"
