// The button's input part: the events its mouse, keys, pointer and access key raise, and the
// pressed look they ask for.
#include "ui/controls/button_input.h"

#include <QSignalSpy>
#include <QtTest>

#include "ui/controls/button.h"

using namespace vokabi::ui;

namespace {

// A shown window holding one button, and a log of the button's events in the order raised.
struct Host {
  Host() {
    window.resize(240, 120);
    button = new Button(&window);
    button->setObjectName(QStringLiteral("BtnPrevod"));
    button->setGeometry(20, 20, 100, 30);
    QObject::connect(button, &Button::Click, [this] { log << QStringLiteral("Click"); });
    QObject::connect(button, &Button::MouseDown, [this](int b, int, float x, float y) {
      log << QStringLiteral("MouseDown %1 %2,%3").arg(b).arg(x).arg(y);
    });
    QObject::connect(button, &Button::MouseUp, [this](int b, int, float, float) {
      log << QStringLiteral("MouseUp %1").arg(b);
    });
    QObject::connect(button, &Button::KeyDown,
                     [this](int code, int) { log << QStringLiteral("KeyDown %1").arg(code); });
    QObject::connect(button, &Button::KeyUp,
                     [this](int code, int) { log << QStringLiteral("KeyUp %1").arg(code); });
    QObject::connect(button, &Button::KeyPress,
                     [this](int ch) { log << QStringLiteral("KeyPress %1").arg(ch); });
    window.show();
  }
  int Count(const QString& event) const { return static_cast<int>(log.count(event)); }

  QWidget window;
  Button* button = nullptr;
  QStringList log;
};

}  // namespace

class ButtonInputTest : public QObject {
  Q_OBJECT

 private slots:
  void spaceClicksOnlyWhenReleasedItself() {
    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QTest::keyPress(host.button, Qt::Key_Space);
    QCOMPARE(host.button->Painter().LastState(), 2);
    QTest::keyRelease(host.button, Qt::Key_Space);
    QCOMPARE(host.log, QStringList({"KeyDown 32", "KeyPress 32", "KeyUp 32", "Click"}));
    QCOMPARE(host.button->Painter().LastState(), 0);

    // Space ended by another key's release, or a key pressed while Space is held: no click.
    host.log.clear();
    QTest::keyPress(host.button, Qt::Key_Space);
    QTest::keyRelease(host.button, Qt::Key_A);
    QTest::keyPress(host.button, Qt::Key_Space);
    QTest::keyPress(host.button, Qt::Key_A);
    QTest::keyRelease(host.button, Qt::Key_Space);
    QCOMPARE(host.Count("Click"), 0);
    QCOMPARE(host.Count("KeyDown 65"), 1);
  }

  void enterClicksAFocusedButtonAsSpaceDoes() {
    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QTest::keyPress(host.button, Qt::Key_Return);
    QCOMPARE(host.button->Painter().LastState(), 2);
    QTest::keyRelease(host.button, Qt::Key_Return);
    QCOMPARE(host.Count("Click"), 1);
    QCOMPARE(host.button->Painter().LastState(), 0);
    QTest::keyClick(host.button, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(host.Count("Click"), 2);
    // A release whose press went elsewhere clicks nothing.
    QTest::keyRelease(host.button, Qt::Key_Return);
    QCOMPARE(host.Count("Click"), 2);
  }

  void leftClickRaisesDownUpThenClick() {
    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QTest::mousePress(host.button, Qt::LeftButton, {}, QPoint(10, 12));
    QCOMPARE(host.button->Painter().LastState(), 2);
    QTest::mouseRelease(host.button, Qt::LeftButton, {}, QPoint(10, 12));
    QCOMPARE(host.log, QStringList({"MouseDown 1 10,12", "MouseUp 1", "Click"}));
    QCOMPARE(host.button->Painter().LastState(), 0);
  }

  void rightPressNeitherPressesNorClicks() {
    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    const int redraws = host.button->Painter().RedrawCount();
    QTest::mousePress(host.button, Qt::RightButton);
    QCOMPARE(host.button->Painter().LastState(), 0);
    QTest::mouseRelease(host.button, Qt::RightButton);
    QCOMPARE(host.button->Painter().RedrawCount(), redraws);
    QCOMPARE(host.Count("Click"), 0);
    QCOMPARE(host.Count("MouseUp 2"), 1);

    // The click goes by the last button pressed: a right press under a held left cancels it.
    QTest::mousePress(host.button, Qt::LeftButton);
    QTest::mousePress(host.button, Qt::RightButton);
    QTest::mouseRelease(host.button, Qt::LeftButton);
    QTest::mouseRelease(host.button, Qt::RightButton);
    QCOMPARE(host.Count("Click"), 0);
  }

  void checkBoxBehaviourTogglesAndStaysDown() {
    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    host.button->SetCheckBoxBehaviour(true);
    QTest::mouseClick(host.button, Qt::LeftButton);
    QVERIFY(host.button->Value());
    QCOMPARE(host.button->Painter().LastState(), 2);
    host.button->Redraw(0, true);  // every repaint is drawn down while checked
    QCOMPARE(host.button->Painter().LastState(), 2);
    QTest::keyClick(host.button, Qt::Key_Space);
    QVERIFY(!host.button->Value());
    QCOMPARE(host.button->Painter().LastState(), 0);
    QCOMPARE(host.Count("Click"), 2);
  }

  void pointerOverRaisesOverOnceAndOutAfterLeaving() {
    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    bool over = false;
    int asked = 0;
    host.button->SetMouseOverProbe([&over, &asked] {
      ++asked;
      return over;
    });
    QSignalSpy overSpy(host.button, &Button::MouseOver);
    QSignalSpy outSpy(host.button, &Button::MouseOut);
    over = true;
    QTest::mouseMove(host.button, QPoint(10, 10));
    QTest::mouseMove(host.button, QPoint(12, 10));
    QTRY_COMPARE(overSpy.count(), 1);
    QVERIFY(host.button->Input().PointerOver());
    // The button asks twice more while the pointer stays: still over, once.
    const int before = asked;
    QTRY_VERIFY(asked >= before + 2);
    QCOMPARE(overSpy.count(), 1);
    QCOMPARE(outSpy.count(), 0);
    over = false;  // e.g. a window now covers the button
    QTRY_COMPARE(outSpy.count(), 1);
    QVERIFY(!host.button->Input().PointerOver());
    QCOMPARE(host.button->Painter().LastState(), 0);

    over = true;  // back, then leaving is known without waiting for the timer
    QEnterEvent enter(QPointF(5, 5), QPointF(25, 25), QPointF(25, 25));
    QApplication::sendEvent(host.button, &enter);
    QCOMPARE(overSpy.count(), 2);
    over = false;
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(host.button, &leave);
    QCOMPARE(outSpy.count(), 2);
  }

  void accessKeysFollowTheAmpersands() {
    Button button;
    const QList<std::pair<QString, QChar>> cases = {{"A&&B", QChar()},      {"&File", u'f'},
                                                    {"Save &&&Exit", u'e'}, {"Open&", QChar()},
                                                    {"X", QChar()},         {"&", QChar()}};
    for (const auto& [caption, key] : cases) {
      button.SetCaption(caption);
      QCOMPARE(button.Input().AccessKey(), key);
    }
  }

  void altAndTheAccessKeyClicksInItsWindow() {
    Host host;
    host.button->SetCaption(QStringLiteral("&File"));
    auto* other = new Button(&host.window);
    other->SetCaption(QStringLiteral("A&&B"));
    other->setGeometry(20, 60, 100, 30);
    other->show();
    QSignalSpy otherClicks(other, &Button::Click);
    QApplication::setActiveWindow(&host.window);
    QVERIFY(QTest::qWaitForWindowActive(&host.window));
    QTest::keyClick(&host.window, Qt::Key_F, Qt::AltModifier);
    QCOMPARE(host.Count("Click"), 1);
    QTest::keyClick(&host.window, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(otherClicks.count(), 0);
    host.button->SetCaption(QStringLiteral("File"));  // the key goes with the caption
    QTest::keyClick(&host.window, Qt::Key_F, Qt::AltModifier);
    QCOMPARE(host.Count("Click"), 1);
  }
};

QTEST_MAIN(ButtonInputTest)
#include "button_input_test.moc"
