// The lookup window driven through its controls, each test with its own settings and bases.
#include "ui/main/form1.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <variant>

#include "tests/ui/main/window_world.h"
#include "ui/controls/button.h"
#include "ui/main/engine_text.h"

namespace vokabi::ui {
namespace {

constexpr const char* kNoWordMessage = "There are no word/phrase for translation.";

RegVariant Stored(AppContext& context, std::string_view name) {
  return QueryRegValue(context.Store(), RegRoot::CurrentUser, kSettingsKey, name, RegVariant{});
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void init() { world_ = std::make_unique<World>(); }
  void cleanup() { world_.reset(); }

  void enterShowsTranslationsAndFailures();
  void typingCompletesWithTheTailSelected();
  void editingKeysNeverComplete();
  void completionOffLeavesTheTyping();
  void commandLine_data();
  void commandLine();
  void setupInBulgarianDecodesCyrillic();
  void closingSavesWorkDicAndPosition();
  void closeButtonMinimisesHidesOrEnds();
  void escapeReleasedClearsAndFocusesWordBox_data();
  void escapeReleasedClearsAndFocusesWordBox();
  void everyCaptionFitsItsButton_data();
  void everyCaptionFitsItsButton();
  void startsWithTheWordBoxFocused_data();
  void startsWithTheWordBoxFocused();

 private:
  QSystemTrayIcon* Tray() const { return world_->form->findChild<QSystemTrayIcon*>(); }
  void Translate(const QString& text) { world_->Translate(text); }
  void LoadOneBase(const QString& commandLine = QStringLiteral("0")) {
    world_->LoadOneBase(commandLine);
  }
  void LoadTwoBases() { world_->LoadTwoBases(); }

  std::unique_ptr<World> world_;
};

void Form1Test::enterShowsTranslationsAndFailures() {
  LoadOneBase();
  QTest::keyClick(world_->Combo(), Qt::Key_Return);
  QCOMPARE(world_->Pane()->toPlainText(), QString::fromLatin1(kNoWordMessage));
  QCOMPARE(world_->Pane()->property("charset").toInt(), 0);
  QCOMPARE(world_->Combo()->count(), 0);

  QTest::keyClicks(world_->Combo(), QStringLiteral("qq"));
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("Word could not be completed."));
  QTest::keyClick(world_->Combo(), Qt::Key_Return);
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("Entered word/phrase not found."));
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("qq"));
  QCOMPARE(world_->Combo()->count(), 0);

  // Each side shows in its own charset.
  Translate(QStringLiteral("къща"));
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("къща"));
  QCOMPARE(world_->Combo()->property("charset").toInt(), 204);
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("house"));
  QCOMPARE(world_->Pane()->property("charset").toInt(), 0);
  Translate(QStringLiteral("house"));
  QCOMPARE(world_->Combo()->property("charset").toInt(), 0);
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("къща; дом"));
  QCOMPARE(world_->Pane()->property("charset").toInt(), 204);
  QCOMPARE(world_->form->PaneBytes(), platform::EncodeCharset(204, "къща; дом").bytes);
  QCOMPARE(world_->Combo()->itemText(0), QStringLiteral("house"));
  QCOMPARE(world_->Combo()->itemData(0).toInt(), 0);
  auto* list = world_->form->findChild<WordList*>("PictureLAB");
  QCOMPARE(list->Label(list->HighlightedLabel())->text(), QStringLiteral("house"));
}

void Form1Test::typingCompletesWithTheTailSelected() {
  LoadOneBase();
  QTest::keyClicks(world_->Combo(), QStringLiteral("hou"));
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
  QCOMPARE(world_->Combo()->lineEdit()->selectedText(), QStringLiteral("se"));
  QCOMPARE(world_->Combo()->lineEdit()->selectionStart(), 3);
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("къща; дом"));
  // Typing on replaces the completed tail; completion records nothing.
  QTest::keyClicks(world_->Combo(), QStringLiteral("seh"));
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("household"));
  QCOMPARE(world_->Combo()->lineEdit()->selectedText(), QStringLiteral("old"));
  QCOMPARE(world_->Combo()->count(), 0);
}

void Form1Test::editingKeysNeverComplete() {
  LoadOneBase();
  for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Shift, Qt::Key_Control,
                      Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
    world_->Combo()->lineEdit()->setText(QStringLiteral("hous"));
    QTest::keyClick(world_->Combo(), key);
    QCOMPARE(world_->Combo()->currentText(),
             key == Qt::Key_Backspace ? QStringLiteral("hou") : QStringLiteral("hous"));
    QVERIFY(!world_->Combo()->lineEdit()->hasSelectedText());
    QVERIFY(world_->Pane()->toPlainText().isEmpty());
  }
}

void Form1Test::completionOffLeavesTheTyping() {
  world_->context.AppSettings.CompleteWord = false;
  LoadOneBase();
  Translate(QStringLiteral("household"));
  world_->Combo()->setEditText(QString());
  // Neither the base nor the recent words complete the typing.
  QTest::keyClicks(world_->Combo(), QStringLiteral("hou"));
  QCOMPARE(world_->Combo()->currentText(), QStringLiteral("hou"));
  QVERIFY(!world_->Combo()->lineEdit()->hasSelectedText());
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("домакинство"));
}

void Form1Test::commandLine_data() {
  QTest::addColumn<QString>("line");
  QTest::addColumn<bool>("shown");
  QTest::addColumn<QString>("word");
  QTest::addColumn<QString>("translation");
  QTest::newRow("0") << QStringLiteral("0") << true << QString() << QString();
  QTest::newRow("/1") << QStringLiteral("/1") << false << QString() << QString();
  QTest::newRow("word") << QStringLiteral("house") << true << QStringLiteral("house")
                        << QStringLiteral("къща; дом");
}

void Form1Test::commandLine() {
  QFETCH(QString, line);
  QFETCH(bool, shown);
  QFETCH(QString, word);
  QFETCH(QString, translation);
  LoadOneBase(line);
  QCOMPARE(world_->form->isVisible(), shown);
  QCOMPARE(world_->Combo()->currentText(), word);
  QCOMPARE(world_->Pane()->toPlainText(), translation);
  // Text handed over by a second start is translated and shown, whatever the first line was.
  world_->form->TranslateHandedText(QStringLiteral("cat"));
  QVERIFY(world_->form->isVisible());
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("котка"));
  world_->form->TranslateHandedText(QString());
  QCOMPARE(world_->Pane()->toPlainText(), QString::fromLatin1(kNoWordMessage));
}

void Form1Test::setupInBulgarianDecodesCyrillic() {
  world_->context.Language.LanguageOffset = 0;
  world_->context.Language.LanguageCharset = 204;
  LoadOneBase();
  QCOMPARE(world_->ButtonNamed("BtnPrevod")->Caption(), QStringLiteral("Преведи"));
  QCOMPARE(world_->Option(0)->toolTip(), QStringLiteral("Английски, Български"));
  QTest::keyClick(world_->Combo(), Qt::Key_Return);
  QCOMPARE(world_->Pane()->property("charset").toInt(), 204);
  QCOMPARE(world_->Pane()->toPlainText(),
           DecodeText(204, world_->context.AppError.MsgByNomer(msg::kNoWord)));
}

void Form1Test::closingSavesWorkDicAndPosition() {
  world_->context.AppSettings.SavePosition = true;
  world_->context.AppSettings.SystrayIcon = true;
  LoadTwoBases();
  Form1& form = *world_->form;
  QTest::mouseClick(world_->Option(1), Qt::LeftButton);
  form.move(-50, 40);
  form.CloseAndSave();
  QVERIFY(!form.isVisible());
  QVERIFY(!Tray()->isVisible());
  QCOMPARE(RegNumber(Stored(world_->context, "WorkDic")), 1);
  QCOMPARE(RegNumber(Stored(world_->context, "LeftPosition")), 100);
  QCOMPARE(RegNumber(Stored(world_->context, "TopPosition")), 40 * 1440 / form.logicalDpiY());
}

void Form1Test::closeButtonMinimisesHidesOrEnds() {
  world_->context.AppSettings.MinimizeToTray = true;
  LoadOneBase();
  Form1& form = *world_->form;
  // With neither a tray area nor a window manager the window stays as it is.
  form.SetTrayAvailableProbe([] { return false; });
  form.SetCanMinimiseProbe([] { return false; });
  QTest::mouseClick(world_->ButtonNamed("BtnClose"), Qt::LeftButton);
  QVERIFY(form.isVisible() && !form.isMinimized());
  // Without a tray area the close button minimises; still running, nothing is saved.
  form.SetCanMinimiseProbe([] { return true; });
  QTest::mouseClick(world_->ButtonNamed("BtnClose"), Qt::LeftButton);
  QVERIFY(form.isVisible() && form.isMinimized());
  QVERIFY(Tray()->isVisible());
  QVERIFY(std::holds_alternative<std::monostate>(Stored(world_->context, "WorkDic")));
  form.showNormal();
  form.SetTrayAvailableProbe([] { return true; });
  QTest::mouseClick(world_->ButtonNamed("BtnClose"), Qt::LeftButton);
  QVERIFY(!form.isVisible());
  QVERIFY(Tray()->isVisible());
  QVERIFY(std::holds_alternative<std::monostate>(Stored(world_->context, "WorkDic")));
  form.findChild<QAction*>("mnuRestore")->trigger();
  QVERIFY(form.isVisible());
  // Without MinimizeToTray the close button ends the program.
  world_->context.AppSettings.MinimizeToTray = false;
  QTest::mouseClick(world_->ButtonNamed("BtnClose"), Qt::LeftButton);
  QVERIFY(!form.isVisible());
  QCOMPARE(RegNumber(Stored(world_->context, "WorkDic")), 0);
  QVERIFY(!std::holds_alternative<std::monostate>(Stored(world_->context, "WorkDic")));
}

void Form1Test::escapeReleasedClearsAndFocusesWordBox_data() {
  QTest::addColumn<QString>("name");
  for (const char* name : {"BtnPrevod", "BtnSetup", "BtnClose", "BtnBack", "BtnNext", "BtnCyr",
                           "Option1_0", "Text2", "Combo1"})
    QTest::newRow(name) << QString::fromLatin1(name);
}

void Form1Test::escapeReleasedClearsAndFocusesWordBox() {
  QFETCH(QString, name);
  LoadOneBase();
  Translate(QStringLiteral("house"));
  auto* target = world_->form->findChild<QWidget*>(name);
  target->setFocus();
  QCOMPARE(world_->form->focusWidget(), target);
  QTest::keyClick(target, Qt::Key_Escape);
  QVERIFY(world_->Combo()->currentText().isEmpty());
  QTRY_COMPARE(world_->form->focusWidget(), static_cast<QWidget*>(world_->Combo()));
  QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("къща; дом"));
}

void Form1Test::everyCaptionFitsItsButton_data() {
  QTest::addColumn<int>("offset");
  QTest::addColumn<int>("charset");
  const char* const languages[] = {"Bulgarian", "English", "French", "German",
                                   "Spanish",   "Italian", "Russian"};
  for (int i = 0; i < 7; ++i)
    QTest::newRow(languages[i]) << i * 1000 << (i == 0 || i == 6 ? 204 : 0);
}

void Form1Test::everyCaptionFitsItsButton() {
  QFETCH(int, offset);
  QFETCH(int, charset);
  world_->context.Language.LanguageOffset = offset;
  world_->context.Language.LanguageCharset = charset;
  // The program's fonts with UseFont's default face.
  world_->app.FontLarge = QFont(QStringLiteral("Arial"), 12);
  world_->app.FontSmall = QFont(QStringLiteral("Arial"), 10);
  LoadOneBase();
  int right = -1;
  for (const char* name :
       {"BtnBack", "BtnNext", "BtnSetup", "BtnAbout", "BtnPrint", "BtnCyr", "BtnLat"}) {
    Button* button = world_->ButtonNamed(name);
    const QRect caption = button->Layout().caption;
    const QString what = button->Caption() + QStringLiteral(" in ") +
                         QString::number(button->width()) + QStringLiteral(" pixels");
    QVERIFY2(button->rect().contains(caption), qPrintable(what));
    // One line: a wrapped caption would stand two lines high.
    QVERIFY2(caption.height() < 2 * QFontMetrics(button->Font()).lineSpacing(), qPrintable(what));
    // The row keeps its order, without overlaps, inside the window's edge.
    QVERIFY(button->x() > right);
    right = button->geometry().right();
    QVERIFY(right < world_->form->width() - 8);
  }
  Button* translate = world_->ButtonNamed("BtnPrevod");
  QVERIFY(translate->rect().contains(translate->Layout().caption));
}

void Form1Test::startsWithTheWordBoxFocused_data() {
  QTest::addColumn<bool>("onTop");
  QTest::newRow("normal") << false;
  QTest::newRow("always on top") << true;
}

void Form1Test::startsWithTheWordBoxFocused() {
  QFETCH(bool, onTop);
  world_->context.AppSettings.AlwaysOnTop = onTop;
  QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
  // As the program starts the window: nothing activates it afterwards.
  world_->form = std::make_unique<Form1>(world_->app);
  Form1& form = *world_->form;
  form.Form_Load(QStringLiteral("0"));
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QCOMPARE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(world_->Combo()));
  // Switching the band on a shown window keeps it shown and active.
  SetTopmost(&form, !onTop);
  QCOMPARE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), !onTop);
  QVERIFY(form.isVisible());
  QVERIFY(form.isActiveWindow());
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(world_->Combo()));
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::Form1Test)
#include "form1_test.moc"
