// The history buttons, driven through the window's controls.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

#include "tests/ui/main/window_world.h"
#include "ui/main/history_buttons.h"
#include "ui/main/word_list.h"

namespace vokabi::ui {

class HistoryTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { world_ = std::make_unique<World>(); }
  void cleanup() { world_.reset(); }

  void backAndNextWalkTheLookups();
  void eachBaseWalksItsOwnHistory();

 private:
  Form1& Form() const { return *world_->form; }
  QComboBox* Combo() const { return Form().findChild<QComboBox*>("Combo1"); }
  QPlainTextEdit* Pane() const { return Form().findChild<QPlainTextEdit*>("Text2"); }
  void Click(const char* name) {
    QTest::mouseClick(Form().findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
  }
  void Translate(const QString& text) {
    Combo()->setEditText(text);
    QTest::keyClick(Combo(), Qt::Key_Return);
  }
  void LoadOneBase() {
    QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
    world_->Load(QStringLiteral("0"));
  }
  QString Highlighted() const {
    auto* list = Form().findChild<WordList*>("PictureLAB");
    return list->Label(list->HighlightedLabel())->text();
  }

  std::unique_ptr<World> world_;
};

void HistoryTest::backAndNextWalkTheLookups() {
  LoadOneBase();
  // Before any lookup the steps change nothing.
  Click("BtnBack");
  Click("BtnNext");
  QVERIFY(Combo()->currentText().isEmpty());
  QVERIFY(Pane()->toPlainText().isEmpty());
  QCOMPARE(Combo()->count(), 0);
  for (const char* word : {"house", "march", "tree"}) Translate(QString::fromLatin1(word));
  Click("BtnBack");
  Click("BtnBack");
  QCOMPARE(Combo()->currentText(), QStringLiteral("house"));
  QCOMPARE(Combo()->property("charset").toInt(), 0);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
  QCOMPARE(Pane()->property("charset").toInt(), 204);
  QCOMPARE(Highlighted(), QStringLiteral("house"));
  // A step shows; it records no recent word.
  QCOMPARE(Combo()->count(), 3);
  QCOMPARE(Combo()->itemText(0), QStringLiteral("tree"));

  Click("BtnNext");
  Click("BtnNext");
  QCOMPARE(Combo()->currentText(), QStringLiteral("tree"));
  Click("BtnNext");
  QCOMPARE(Combo()->currentText(), QStringLiteral("tree"));
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("дърво"));
  QCOMPARE(Highlighted(), QStringLiteral("tree"));
}

void HistoryTest::eachBaseWalksItsOwnHistory() {
  QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
  QVERIFY(world_->AddBase(SecondBase()));
  world_->Load(QStringLiteral("0"));
  Translate(QStringLiteral("house"));
  Translate(QStringLiteral("tree"));
  // An empty box: switching looks nothing up.
  Combo()->setEditText(QString());
  QTest::mouseClick(Form().findChild<QToolButton*>("Option1_1"), Qt::LeftButton);
  Translate(QStringLiteral("house"));
  Translate(QStringLiteral("water"));
  Click("BtnBack");
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("сграда"));
  // The second base never saw the first one's tree.
  for (int i = 0; i < 3; ++i) Click("BtnBack");
  QVERIFY(Combo()->currentText() != QStringLiteral("tree"));

  Combo()->setEditText(QString());
  QTest::mouseClick(Form().findChild<QToolButton*>("Option1_0"), Qt::LeftButton);
  for (int i = 0; i < 4; ++i) Click("BtnBack");
  QCOMPARE(Combo()->currentText(), QStringLiteral("house"));
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::HistoryTest)
#include "history_test.moc"
