// A whole session with the keyboard alone: every key goes to whatever has the focus, as the
// user's keys do.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "tests/ui/main/window_world.h"
#include "tests/ui/setup/dialog_world.h"
#include "ui/about/frm_about.h"
#include "ui/main/word_list.h"
#include "ui/setup/frm_setup.h"

namespace vokabi::ui {

namespace {

QWidget* Focus() {
  return QApplication::focusWidget();
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focus = Focus();
  QVERIFY2(focus != nullptr, "nothing has the focus");
  QTest::keyClick(focus, key, modifiers);
}

// Tabs on until the control of that name has the focus; false when a whole round misses it.
bool TabTo(const QString& name) {
  for (int i = 0; i < 60; ++i) {
    QWidget* focus = Focus();
    if (focus == nullptr) return false;
    if (focus->objectName() == name) return true;
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  return false;
}

// A closed dialog's window manager gives the focus back to the window; the offscreen platform has
// none, so the test does what it would.
void BackTo(QWidget& window) {
  if (!window.isActiveWindow()) window.activateWindow();
  QTRY_VERIFY(Focus() != nullptr && Focus()->window() == &window);
}

}  // namespace

class KeyboardOnlyTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { world_ = std::make_unique<DialogWorld>(); }
  void cleanup() { world_.reset(); }
  void lookUpWalkSwitchBasesAndSetUpWithoutTheMouse();

 private:
  QPlainTextEdit* Pane() const { return world_->form->findChild<QPlainTextEdit*>("Text2"); }
  QComboBox* Combo() const { return world_->form->findChild<QComboBox*>("Combo1"); }
  QToolButton* Option(int i) const {
    return world_->form->findChild<QToolButton*>(QStringLiteral("Option1_%1").arg(i));
  }

  std::unique_ptr<DialogWorld> world_;
};

void KeyboardOnlyTest::lookUpWalkSwitchBasesAndSetUpWithoutTheMouse() {
  world_->context.AppSettings.CompleteWord = false;
  QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
  QVERIFY(world_->AddBase(SecondBase()));
  Form1& form = world_->Load(QStringLiteral("0"));
  QTRY_COMPARE(Focus(), static_cast<QWidget*>(Combo()));

  // A lookup.
  QTest::keyClicks(Focus(), QStringLiteral("house"));
  Key(Qt::Key_Return);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));

  // Ctrl+digit chooses a base, and the word is looked up there.
  Key(Qt::Key_2, Qt::ControlModifier);
  QCOMPARE(form.WorkDic(), 1);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("сграда"));
  Key(Qt::Key_1, Qt::ControlModifier);
  QCOMPARE(form.WorkDic(), 0);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
  // The flags are in the Tab order; Enter and Space choose.
  QVERIFY(TabTo(QStringLiteral("Option1_1")));
  Key(Qt::Key_Return);
  QCOMPARE(form.WorkDic(), 1);
  QVERIFY(Option(1)->isChecked());
  QVERIFY(TabTo(QStringLiteral("Option1_0")));
  Key(Qt::Key_Space);
  QCOMPARE(form.WorkDic(), 0);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));

  // A walk through the word list, and Enter translates the word reached.
  QVERIFY(TabTo(QStringLiteral("PictureLAB")));
  auto* list = form.findChild<WordList*>(QStringLiteral("PictureLAB"));
  const auto highlighted = [list] { return list->Label(list->HighlightedLabel())->text(); };
  QCOMPARE(highlighted(), QStringLiteral("house"));
  Key(Qt::Key_Down);
  const QString next = highlighted();
  QVERIFY(next != QStringLiteral("house"));
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
  Key(Qt::Key_Return);
  list->FinishScroll();
  QCOMPARE(Combo()->currentText(), next);
  QVERIFY(Pane()->toPlainText() != QStringLiteral("къща; дом"));
  QCOMPARE(highlighted(), next);

  // The settings dialog: Tab to a switch, Space turns it on, Enter is Ok and applies it.
  QVERIFY(TabTo(QStringLiteral("BtnSetup")));
  Key(Qt::Key_Return);
  FrmSetup* setup = nullptr;
  QTRY_VERIFY((setup = form.findChild<FrmSetup*>()) != nullptr);
  QTRY_VERIFY(Focus() != nullptr && Focus()->window() == setup);
  QVERIFY(TabTo(QStringLiteral("Check1_3")));
  Key(Qt::Key_Space);
  QVERIFY(setup->findChild<QCheckBox*>(QStringLiteral("Check1_3"))->isChecked());
  Key(Qt::Key_Return);
  QTRY_VERIFY(form.findChild<FrmSetup*>() == nullptr);
  QVERIFY(world_->context.AppSettings.CompleteWord);
  QVERIFY(world_->messages.empty());

  // Escape is Cancel: the switch turned off again is not applied.
  BackTo(form);
  QVERIFY(TabTo(QStringLiteral("BtnSetup")));
  Key(Qt::Key_Return);
  QTRY_VERIFY((setup = form.findChild<FrmSetup*>()) != nullptr);
  QTRY_VERIFY(Focus() != nullptr && Focus()->window() == setup);
  QVERIFY(TabTo(QStringLiteral("Check1_3")));
  Key(Qt::Key_Space);
  Key(Qt::Key_Escape);
  QTRY_VERIFY(form.findChild<FrmSetup*>() == nullptr);
  QVERIFY(world_->context.AppSettings.CompleteWord);

  // The about box closes on Escape and on Enter.
  for (const Qt::Key close : {Qt::Key_Escape, Qt::Key_Return}) {
    BackTo(form);
    QVERIFY(TabTo(QStringLiteral("BtnAbout")));
    Key(Qt::Key_Return);
    frmAbout* about = nullptr;
    QTRY_VERIFY((about = form.findChild<frmAbout*>()) != nullptr);
    QTRY_VERIFY(Focus() != nullptr && Focus()->window() == about);
    Key(close);
    QTRY_VERIFY(form.findChild<frmAbout*>() == nullptr);
  }
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::KeyboardOnlyTest)
#include "keyboard_only_test.moc"
