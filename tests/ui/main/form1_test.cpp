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
  QComboBox* Combo() const { return world_->form->findChild<QComboBox*>("Combo1"); }
  QPlainTextEdit* Pane() const { return world_->form->findChild<QPlainTextEdit*>("Text2"); }
  QToolButton* Option(int i) const {
    return world_->form->findChild<QToolButton*>(QStringLiteral("Option1_%1").arg(i));
  }
  Button* ButtonNamed(const char* name) const {
    return world_->form->findChild<Button*>(QString::fromLatin1(name));
  }
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
  QTest::keyClick(Combo(), Qt::Key_Return);
  QCOMPARE(Pane()->toPlainText(), QString::fromLatin1(kNoWordMessage));
  QCOMPARE(Pane()->property("charset").toInt(), 0);
  QCOMPARE(Combo()->count(), 0);

  QTest::keyClicks(Combo(), QStringLiteral("qq"));
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("Word could not be completed."));
  QTest::keyClick(Combo(), Qt::Key_Return);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("Entered word/phrase not found."));
  QCOMPARE(Combo()->currentText(), QStringLiteral("qq"));
  QCOMPARE(Combo()->count(), 0);

  // Each side shows in its own charset.
  Translate(QStringLiteral("къща"));
  QCOMPARE(Combo()->currentText(), QStringLiteral("къща"));
  QCOMPARE(Combo()->property("charset").toInt(), 204);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("house"));
  QCOMPARE(Pane()->property("charset").toInt(), 0);
  Translate(QStringLiteral("house"));
  QCOMPARE(Combo()->property("charset").toInt(), 0);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
  QCOMPARE(Pane()->property("charset").toInt(), 204);
  QCOMPARE(world_->form->PaneBytes(), platform::EncodeCharset(204, "къща; дом").bytes);
  QCOMPARE(Combo()->itemText(0), QStringLiteral("house"));
  QCOMPARE(Combo()->itemData(0).toInt(), 0);
  auto* list = world_->form->findChild<WordList*>("PictureLAB");
  QCOMPARE(list->Label(list->HighlightedLabel())->text(), QStringLiteral("house"));
}

void Form1Test::typingCompletesWithTheTailSelected() {
  LoadOneBase();
  QTest::keyClicks(Combo(), QStringLiteral("hou"));
  QCOMPARE(Combo()->currentText(), QStringLiteral("house"));
  QCOMPARE(Combo()->lineEdit()->selectedText(), QStringLiteral("se"));
  QCOMPARE(Combo()->lineEdit()->selectionStart(), 3);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
  // Typing on replaces the completed tail; completion records nothing.
  QTest::keyClicks(Combo(), QStringLiteral("seh"));
  QCOMPARE(Combo()->currentText(), QStringLiteral("household"));
  QCOMPARE(Combo()->lineEdit()->selectedText(), QStringLiteral("old"));
  QCOMPARE(Combo()->count(), 0);
}

void Form1Test::editingKeysNeverComplete() {
  LoadOneBase();
  for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Shift, Qt::Key_Control,
                      Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
    Combo()->lineEdit()->setText(QStringLiteral("hous"));
    QTest::keyClick(Combo(), key);
    QCOMPARE(Combo()->currentText(),
             key == Qt::Key_Backspace ? QStringLiteral("hou") : QStringLiteral("hous"));
    QVERIFY(!Combo()->lineEdit()->hasSelectedText());
    QVERIFY(Pane()->toPlainText().isEmpty());
  }
}

void Form1Test::completionOffLeavesTheTyping() {
  world_->context.AppSettings.CompleteWord = false;
  LoadOneBase();
  Translate(QStringLiteral("household"));
  Combo()->setEditText(QString());
  // Neither the base nor the recent words complete the typing.
  QTest::keyClicks(Combo(), QStringLiteral("hou"));
  QCOMPARE(Combo()->currentText(), QStringLiteral("hou"));
  QVERIFY(!Combo()->lineEdit()->hasSelectedText());
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("домакинство"));
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
  QCOMPARE(Combo()->currentText(), word);
  QCOMPARE(Pane()->toPlainText(), translation);
  // Text handed over by a second start is translated and shown, whatever the first line was.
  world_->form->TranslateHandedText(QStringLiteral("cat"));
  QVERIFY(world_->form->isVisible());
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("котка"));
  world_->form->TranslateHandedText(QString());
  QCOMPARE(Pane()->toPlainText(), QString::fromLatin1(kNoWordMessage));
}

void Form1Test::setupInBulgarianDecodesCyrillic() {
  world_->context.Language.LanguageOffset = 0;
  world_->context.Language.LanguageCharset = 204;
  LoadOneBase();
  QCOMPARE(ButtonNamed("BtnPrevod")->Caption(), QStringLiteral("Преведи"));
  QCOMPARE(Option(0)->toolTip(), QStringLiteral("Английски, Български"));
  QTest::keyClick(Combo(), Qt::Key_Return);
  QCOMPARE(Pane()->property("charset").toInt(), 204);
  QCOMPARE(Pane()->toPlainText(),
           DecodeText(204, world_->context.AppError.MsgByNomer(msg::kNoWord)));
}

void Form1Test::closingSavesWorkDicAndPosition() {
  world_->context.AppSettings.SavePosition = true;
  world_->context.AppSettings.SystrayIcon = true;
  LoadTwoBases();
  Form1& form = *world_->form;
  QTest::mouseClick(Option(1), Qt::LeftButton);
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
  QTest::mouseClick(ButtonNamed("BtnClose"), Qt::LeftButton);
  QVERIFY(form.isVisible() && !form.isMinimized());
  // Without a tray area the close button minimises; still running, nothing is saved.
  form.SetCanMinimiseProbe([] { return true; });
  QTest::mouseClick(ButtonNamed("BtnClose"), Qt::LeftButton);
  QVERIFY(form.isVisible() && form.isMinimized());
  QVERIFY(Tray()->isVisible());
  QVERIFY(std::holds_alternative<std::monostate>(Stored(world_->context, "WorkDic")));
  form.showNormal();
  form.SetTrayAvailableProbe([] { return true; });
  QTest::mouseClick(ButtonNamed("BtnClose"), Qt::LeftButton);
  QVERIFY(!form.isVisible());
  QVERIFY(Tray()->isVisible());
  QVERIFY(std::holds_alternative<std::monostate>(Stored(world_->context, "WorkDic")));
  form.findChild<QAction*>("mnuRestore")->trigger();
  QVERIFY(form.isVisible());
  // Without MinimizeToTray the close button ends the program.
  world_->context.AppSettings.MinimizeToTray = false;
  QTest::mouseClick(ButtonNamed("BtnClose"), Qt::LeftButton);
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
  QVERIFY(Combo()->currentText().isEmpty());
  QTRY_COMPARE(world_->form->focusWidget(), static_cast<QWidget*>(Combo()));
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("къща; дом"));
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
    Button* button = ButtonNamed(name);
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
  Button* translate = ButtonNamed("BtnPrevod");
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
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Combo()));
  // Switching the band on a shown window keeps it shown and active.
  SetTopmost(&form, !onTop);
  QCOMPARE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), !onTop);
  QVERIFY(form.isVisible());
  QVERIFY(form.isActiveWindow());
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Combo()));
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::Form1Test)
#include "form1_test.moc"
