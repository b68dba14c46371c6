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
  QComboBox* Combo() const { return world_->form->findChild<QComboBox*>("Combo1"); }
  QPlainTextEdit* Pane() const { return world_->form->findChild<QPlainTextEdit*>("Text2"); }
  QToolButton* Option(int i) const {
    return world_->form->findChild<QToolButton*>(QStringLiteral("Option1_%1").arg(i));
  }
  Button* ButtonNamed(const char* name) const {
    return world_->form->findChild<Button*>(QString::fromLatin1(name));
  }
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
  QCOMPARE(Combo()->count(), 1);
  Translate(QStringLiteral("cat"));
  Translate(QStringLiteral("house"));
  QCOMPARE(Combo()->count(), 2);
  QCOMPARE(Combo()->itemText(0), QStringLiteral("cat"));
}

void WordBoxTest::twentyFirstWordDropsTheOldest() {
  world_->context.AppSettings.CompleteWord = false;
  LoadOneBase();
  const QStringList words = {"house", "apple", "book",      "bread",     "cat",    "dog",
                             "door",  "home",  "household", "houseboat", "school", "table",
                             "tree",  "water", "window",    "word",      "zebra",  "ябълка",
                             "книга", "врата", "вода"};
  for (const QString& word : words) Translate(word);
  QCOMPARE(Combo()->count(), Form1::kRecentWords);
  QCOMPARE(Combo()->itemText(0), QStringLiteral("вода"));
  QCOMPARE(Combo()->itemText(Form1::kRecentWords - 1), QStringLiteral("apple"));
  // The text being edited is the last word, whatever the list did underneath.
  QCOMPARE(Combo()->currentText(), QStringLiteral("вода"));
}

// An option button switches base and translates; the same word in two bases is two items;
// picking one switches to its base.
void WordBoxTest::recentWordsOfTwoBases() {
  LoadTwoBases();
  Translate(QStringLiteral("house"));
  QTest::mouseClick(Option(1), Qt::LeftButton);
  QCOMPARE(WorkDic(), 1);
  QVERIFY(Option(1)->isChecked() && !Option(0)->isChecked());
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("сграда"));
  QCOMPARE(Combo()->count(), 2);
  QCOMPARE(Combo()->itemText(0), QStringLiteral("house"));
  QCOMPARE(Combo()->itemData(0).toInt(), 1);
  QCOMPARE(Combo()->itemText(1), QStringLiteral("house"));
  QCOMPARE(Combo()->itemData(1).toInt(), 0);

  Translate(QStringLiteral("cat"));  // base 1
  const int item = 2;                // house, from base 0
  QCOMPARE(Combo()->itemData(item).toInt(), 0);
  Combo()->showPopup();
  QAbstractItemView* view = Combo()->view();
  QTRY_VERIFY(view->isVisible());
  // The popup ignores a release that comes too soon after it opened.
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  const QPoint at = view->visualRect(view->model()->index(item, 0)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  QTRY_COMPARE(WorkDic(), 0);
  QVERIFY(Option(0)->isChecked());
  QCOMPARE(Combo()->currentText(), QStringLiteral("house"));
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
  QCOMPARE(Combo()->count(), 3);
}

void WordBoxTest::onlyAPickSwitchesToARecentWordsBase() {
  LoadTwoBases();
  // The combo's current item stays the first word; "house" of base 0 is another item.
  Translate(QStringLiteral("apple"));
  Translate(QStringLiteral("house"));
  Combo()->setEditText(QStringLiteral("cat"));
  QTest::mouseClick(Option(1), Qt::LeftButton);
  QCOMPARE(Combo()->itemData(Combo()->findText(QStringLiteral("house"))).toInt(), 0);
  // Leaving the box with that text, or pressing Enter on it, looks it up in the working base.
  Combo()->setFocus();
  Combo()->setEditText(QStringLiteral("house"));
  Pane()->setFocus();
  QCOMPARE(WorkDic(), 1);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("котка"));
  QTest::keyClick(Combo(), Qt::Key_Return);
  QCOMPARE(WorkDic(), 1);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("сграда"));
}

void WordBoxTest::upDownAndWheelWalkFromTheShownWord() {
  world_->context.AppSettings.CompleteWord = false;
  LoadOneBase();
  for (const char* word : {"apple", "house", "cat"}) Translate(QString::fromLatin1(word));
  // Newest first: cat, house, apple; cat is shown.
  QTest::keyClick(Combo(), Qt::Key_Down);
  QCOMPARE(Combo()->currentText(), QStringLiteral("house"));
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
  QTest::keyClick(Combo(), Qt::Key_Up);
  QCOMPARE(Combo()->currentText(), QStringLiteral("cat"));
  // A history step shows house; the wheel walks on from there.
  QTest::mouseClick(ButtonNamed("BtnBack"), Qt::LeftButton);
  QCOMPARE(Combo()->currentText(), QStringLiteral("house"));
  const QPointF at(5, 5);
  QWheelEvent wheel(at, Combo()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(Combo(), &wheel);
  QCOMPARE(Combo()->currentText(), QStringLiteral("apple"));
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("ябълка"));
  // The open list marks the shown word's item.
  QTest::keyClick(Combo(), Qt::Key_Up);
  QCOMPARE(Combo()->currentText(), QStringLiteral("house"));
  Combo()->showPopup();
  QTRY_VERIFY(Combo()->view()->isVisible());
  QCOMPARE(Combo()->view()->currentIndex().row(), 1);
  Combo()->hidePopup();
}

void WordBoxTest::escapeInTheOpenListClosesItOnly() {
  LoadOneBase();
  Translate(QStringLiteral("house"));
  Combo()->showPopup();
  QAbstractItemView* view = Combo()->view();
  QTRY_VERIFY(view->isVisible());
  // As the keyboard delivers it: the press to the open list, the release to the word box.
  QWindow* window = world_->form->windowHandle();
  QTest::keyPress(window, Qt::Key_Escape);
  QTRY_VERIFY(!view->isVisible());
  QTest::keyRelease(window, Qt::Key_Escape);
  QCOMPARE(Combo()->currentText(), QStringLiteral("house"));
  // With the list closed, Escape empties the word box.
  QTest::keyClick(Combo(), Qt::Key_Escape);
  QVERIFY(Combo()->currentText().isEmpty());
}

void WordBoxTest::lookupSelectsTheWordSoTypingReplacesIt() {
  world_->context.AppSettings.CompleteWord = false;
  LoadOneBase();
  const auto wholeWordSelected = [this] {
    const QString text = Combo()->currentText();
    return !text.isEmpty() && Combo()->lineEdit()->selectedText() == text;
  };
  QTest::keyClicks(Combo(), QStringLiteral("house"));
  QTest::keyClick(Combo(), Qt::Key_Return);
  QVERIFY(wholeWordSelected());
  QTest::keyClicks(Combo(), QStringLiteral("cat"));
  QCOMPARE(Combo()->currentText(), QStringLiteral("cat"));

  // The translate button hands the box back, selected.
  QTest::mouseClick(ButtonNamed("BtnPrevod"), Qt::LeftButton);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("котка"));
  QCOMPARE(world_->form->focusWidget(), static_cast<QWidget*>(Combo()));
  QVERIFY(wholeWordSelected());

  world_->form->TranslateHandedText(QStringLiteral("tree"));
  QVERIFY(wholeWordSelected());

  auto* list = world_->form->findChild<WordList*>("PictureLAB");
  int table = 0;
  while (table < WordList::kRows && list->Label(table)->text() != QStringLiteral("table")) ++table;
  QVERIFY(table < WordList::kRows);
  QTest::mouseClick(list->Label(table), Qt::LeftButton);
  list->FinishScroll();
  QCOMPARE(Combo()->currentText(), QStringLiteral("table"));
  QVERIFY(wholeWordSelected());
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::WordBoxTest)
#include "word_box_test.moc"
