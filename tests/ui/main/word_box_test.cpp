// The word box and its recent words, driven through the window's controls.
#include "ui/main/word_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "tests/ui/main/window_world.h"
#include "ui/controls/button.h"
#include "ui/main/word_list.h"

namespace vokabi::ui {

class WordBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { world_ = std::make_unique<World>(); }
  void cleanup() { world_.reset(); }

  void sameWordTwiceInOneBaseIsOneItem();
  void twentyFirstWordDropsTheOldest();
  void recentWordsOfTwoBases();
  void onlyAPickSwitchesToARecentWordsBase();
  void upDownAndWheelWalkFromTheShownWord();
  void escapeInTheOpenListClosesItOnly();
  void lookupSelectsTheWordSoTypingReplacesIt();

 private:
  int WorkDic() const { return world_->form->WorkDic(); }
  void Translate(const QString& text) { world_->Translate(text); }
  void LoadOneBase(const QString& commandLine = QStringLiteral("0")) {
    world_->LoadOneBase(commandLine);
  }
  void LoadTwoBases() { world_->LoadTwoBases(); }

  std::unique_ptr<World> world_;
};

void WordBoxTest::sameWordTwiceInOneBaseIsOneItem() {
  LoadOneBase();
  Translate(QStringLiteral("house"));
  Translate(QStringLiteral("house"));
  QCOMPARE(world_->Combo()->count(), 1);
  Translate(QStringLiteral("cat"));
  Translate(QStringLiteral("house"));
  QCOMPARE(world_->Combo()->count(), 2);
  QCOMPARE(world_->Combo()->itemText(0), QStringLiteral("cat"));
}

void WordBoxTest::twentyFirstWordDropsTheOldest() {
  world_->context.AppSettings.CompleteWord = false;
  LoadOneBase();
  const QStringList words = {"house", "apple", "book",      "bread",     "cat",    "dog",
                             "door",  "home",  "household", "houseboat", "school", "table",
                             "tree",  "water", "window",    "word",      "zebra",  "ябълка",
                             "книга", "врата", "вода"};
  for (const QString& word : words) Translate(word);
  QCOMPARE(world_->Combo()->count(), Form1::kRecentWords);
  QCOMPARE(world_->Combo()->itemText(0), QStringLiteral("вода"));
  QCOMPARE(world_->Combo()->itemText(Form1::kRecentWords - 1), QStringLiteral("apple"));
  // The text being edited is the last word, whatever the list did underneath.
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("вода"));
}

// An option button switches base and translates; the same word in two bases is two items;
// picking one switches to its base.
void WordBoxTest::recentWordsOfTwoBases() {
  LoadTwoBases();
  Translate(QStringLiteral("house"));
  QTest::mouseClick(world_->Option(1), Qt::LeftButton);
  QCOMPARE(WorkDic(), 1);
  QVERIFY(world_->Option(1)->isChecked() && !world_->Option(0)->isChecked());
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("сграда"));
  QCOMPARE(world_->Combo()->count(), 2);
  QCOMPARE(world_->Combo()->itemText(0), QStringLiteral("house"));
  QCOMPARE(world_->Combo()->itemData(0).toInt(), 1);
  QCOMPARE(world_->Combo()->itemText(1), QStringLiteral("house"));
  QCOMPARE(world_->Combo()->itemData(1).toInt(), 0);

  Translate(QStringLiteral("cat"));  // base 1
  const int item = 2;                // house, from base 0
  QCOMPARE(world_->Combo()->itemData(item).toInt(), 0);
  world_->Combo()->showPopup();
  QAbstractItemView* view = world_->Combo()->view();
  QTRY_VERIFY(view->isVisible());
  // The popup ignores a release that comes too soon after it opened.
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  const QPoint at = view->visualRect(view->model()->index(item, 0)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  QTRY_COMPARE(WorkDic(), 0);
  QVERIFY(world_->Option(0)->isChecked());
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("къща; дом"));
  QCOMPARE(world_->Combo()->count(), 3);
}

void WordBoxTest::onlyAPickSwitchesToARecentWordsBase() {
  LoadTwoBases();
  // The combo's current item stays the first word; "house" of base 0 is another item.
  Translate(QStringLiteral("apple"));
  Translate(QStringLiteral("house"));
  world_->Combo()->setEditText(QStringLiteral("cat"));
  QTest::mouseClick(world_->Option(1), Qt::LeftButton);
  QCOMPARE(world_->Combo()->itemData(world_->Combo()->findText(QStringLiteral("house"))).toInt(),
           0);
  // Leaving the box with that text, or pressing Enter on it, looks it up in the working base.
  world_->Combo()->setFocus();
  world_->Combo()->setEditText(QStringLiteral("house"));
  world_->Pane()->setFocus();
  QCOMPARE(WorkDic(), 1);
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("котка"));
  QTest::keyClick(world_->Combo(), Qt::Key_Return);
  QCOMPARE(WorkDic(), 1);
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("сграда"));
}

void WordBoxTest::upDownAndWheelWalkFromTheShownWord() {
  world_->context.AppSettings.CompleteWord = false;
  LoadOneBase();
  for (const char* word : {"apple", "house", "cat"}) Translate(QString::fromLatin1(word));
  // Newest first: cat, house, apple; cat is shown.
  QTest::keyClick(world_->Combo(), Qt::Key_Down);
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("къща; дом"));
  QTest::keyClick(world_->Combo(), Qt::Key_Up);
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("cat"));
  // A history step shows house; the wheel walks on from there.
  QTest::mouseClick(world_->ButtonNamed("BtnBack"), Qt::LeftButton);
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
  const QPointF at(5, 5);
  QWheelEvent wheel(at, world_->Combo()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(world_->Combo(), &wheel);
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("apple"));
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("ябълка"));
  // The open list marks the shown word's item.
  QTest::keyClick(world_->Combo(), Qt::Key_Up);
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
  world_->Combo()->showPopup();
  QTRY_VERIFY(world_->Combo()->view()->isVisible());
  QCOMPARE(world_->Combo()->view()->currentIndex().row(), 1);
  world_->Combo()->hidePopup();
}

void WordBoxTest::escapeInTheOpenListClosesItOnly() {
  LoadOneBase();
  Translate(QStringLiteral("house"));
  world_->Combo()->showPopup();
  QAbstractItemView* view = world_->Combo()->view();
  QTRY_VERIFY(view->isVisible());
  // As the keyboard delivers it: the press to the open list, the release to the word box.
  QWindow* window = world_->form->windowHandle();
  QTest::keyPress(window, Qt::Key_Escape);
  QTRY_VERIFY(!view->isVisible());
  QTest::keyRelease(window, Qt::Key_Escape);
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
  // With the list closed, Escape empties the word box.
  QTest::keyClick(world_->Combo(), Qt::Key_Escape);
  QVERIFY(world_->Combo()->currentText().isEmpty());
}

void WordBoxTest::lookupSelectsTheWordSoTypingReplacesIt() {
  world_->context.AppSettings.CompleteWord = false;
  LoadOneBase();
  const auto wholeWordSelected = [this] {
    const QString text = world_->Combo()->currentText();
    return !text.isEmpty() && world_->Combo()->lineEdit()->selectedText() == text;
  };
  QTest::keyClicks(world_->Combo(), QStringLiteral("house"));
  QTest::keyClick(world_->Combo(), Qt::Key_Return);
  QVERIFY(wholeWordSelected());
  QTest::keyClicks(world_->Combo(), QStringLiteral("cat"));
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("cat"));

  // The translate button hands the box back, selected.
  QTest::mouseClick(world_->ButtonNamed("BtnPrevod"), Qt::LeftButton);
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("котка"));
  QCOMPARE(world_->form->focusWidget(), static_cast<QWidget*>(world_->Combo()));
  QVERIFY(wholeWordSelected());

  world_->form->TranslateHandedText(QStringLiteral("tree"));
  QVERIFY(wholeWordSelected());

  auto* list = world_->form->findChild<WordList*>("PictureLAB");
  int table = 0;
  while (table < WordList::kRows && list->Label(table)->text() != QStringLiteral("table")) ++table;
  QVERIFY(table < WordList::kRows);
  QTest::mouseClick(list->Label(table), Qt::LeftButton);
  list->FinishScroll();
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("table"));
  QVERIFY(wholeWordSelected());
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::WordBoxTest)
#include "word_box_test.moc"
