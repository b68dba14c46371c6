// The lookup window driven through its controls, each test with its own settings and bases.
#include "ui/main/form1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <variant>

#include "resources/pictures.h"
#include "tests/ui/main/window_world.h"
#include "ui/controls/button.h"
#include "ui/controls/colour.h"
#include "ui/controls/schemes.h"
#include "ui/main/engine_text.h"

namespace vokabi::ui {
namespace {

constexpr const char* kNoWordMessage = "There are no word/phrase for translation.";

RegVariant Stored(std::string_view name) {
  return QueryRegValue(RegRoot::CurrentUser, kSettingsKey, name, RegVariant{});
}

// Contrast of two colours by their relative luminance, as WCAG measures it (1 to 21).
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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
  void sameWordTwiceInOneBaseIsOneItem();
  void twentyFirstWordDropsTheOldest();
  void recentWordsOfTwoBases();
  void onlyAPickSwitchesToARecentWordsBase();
  void redressingKeepsTheWorkingBase();
  void storedWorkDicChoosesTheBase_data();
  void storedWorkDicChoosesTheBase();
  void firstStartTakesTheInterfaceLanguagesPair_data();
  void firstStartTakesTheInterfaceLanguagesPair();
  void flagsFollowTheBaseIds();
  void commandLine_data();
  void commandLine();
  void setupInBulgarianDecodesCyrillic();
  void closingSavesWorkDicAndPosition();
  void closeButtonMinimisesHidesOrEnds();
  void paneRefusesCopy();
  void escapeReleasedClearsAndFocusesWordBox_data();
  void escapeReleasedClearsAndFocusesWordBox();
  void everyCaptionFitsItsButton_data();
  void everyCaptionFitsItsButton();
  void startsWithTheWordBoxFocused_data();
  void startsWithTheWordBoxFocused();
  void upDownAndWheelWalkFromTheShownWord();
  void escapeInTheOpenListClosesItOnly();
  void lookupSelectsTheWordSoTypingReplacesIt();
  void workingBaseFlagStandsOut_data();
  void workingBaseFlagStandsOut();

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
  int WorkDic() const { return world_->form->WorkDic(); }
  // Types into the word box and presses Enter, without completion on the way.
  void Translate(const QString& text) {
    Combo()->setEditText(text);
    QTest::keyClick(Combo(), Qt::Key_Return);
  }
  void LoadOneBase(const QString& commandLine = QStringLiteral("0")) {
    QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
    world_->Load(commandLine);
  }
  void LoadTwoBases() {
    QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
    QVERIFY(world_->AddBase(SecondBase()));
    world_->Load(QStringLiteral("0"));
  }

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
  AppSettings.CompleteWord = false;
  LoadOneBase();
  Translate(QStringLiteral("household"));
  Combo()->setEditText(QString());
  // Neither the base nor the recent words complete the typing.
  QTest::keyClicks(Combo(), QStringLiteral("hou"));
  QCOMPARE(Combo()->currentText(), QStringLiteral("hou"));
  QVERIFY(!Combo()->lineEdit()->hasSelectedText());
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("домакинство"));
}

void Form1Test::sameWordTwiceInOneBaseIsOneItem() {
  LoadOneBase();
  Translate(QStringLiteral("house"));
  Translate(QStringLiteral("house"));
  QCOMPARE(Combo()->count(), 1);
  Translate(QStringLiteral("cat"));
  Translate(QStringLiteral("house"));
  QCOMPARE(Combo()->count(), 2);
  QCOMPARE(Combo()->itemText(0), QStringLiteral("cat"));
}

void Form1Test::twentyFirstWordDropsTheOldest() {
  AppSettings.CompleteWord = false;
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
void Form1Test::recentWordsOfTwoBases() {
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

void Form1Test::onlyAPickSwitchesToARecentWordsBase() {
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

// The settings dialog's Apply dresses the window again; the base picked since the start stays.
void Form1Test::redressingKeepsTheWorkingBase() {
  LoadTwoBases();
  QTest::mouseClick(Option(1), Qt::LeftButton);
  world_->form->Form1Setup();
  QCOMPARE(WorkDic(), 1);
  QVERIFY(Option(1)->isChecked() && !Option(0)->isChecked());
}

void Form1Test::storedWorkDicChoosesTheBase_data() {
  QTest::addColumn<int>("stored");
  QTest::addColumn<int>("bases");
  QTest::addColumn<int>("chosen");
  QTest::newRow("beyond the bases") << 5 << 3 << 0;
  QTest::newRow("second") << 1 << 2 << 1;
}

void Form1Test::storedWorkDicChoosesTheBase() {
  QFETCH(int, stored);
  QFETCH(int, bases);
  QFETCH(int, chosen);
  SetRegValue(RegRoot::CurrentUser, kSettingsKey, "WorkDic", std::int32_t{stored}, kRegDwordType);
  for (int i = 0; i < bases; ++i)
    QVERIFY(world_->AddBase(i == 1 ? SecondBase() : test::EnglishBulgarianSample()));
  world_->Load(QStringLiteral("house"));
  QCOMPARE(WorkDic(), chosen);
  for (int i = 0; i < bases; ++i) QCOMPARE(Option(i)->isChecked(), i == chosen);
  QCOMPARE(Pane()->toPlainText(),
           chosen == 1 ? QStringLiteral("сграда") : QStringLiteral("къща; дом"));
}

void Form1Test::firstStartTakesTheInterfaceLanguagesPair_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<int>("chosen");
  QTest::newRow("German") << 3000 << 0;
  QTest::newRow("Italian, without a base: English") << 5000 << 1;
}

void Form1Test::firstStartTakesTheInterfaceLanguagesPair() {
  QFETCH(int, language);
  QFETCH(int, chosen);
  BaseSource german = SecondBase();
  german.names[1] = "German,Bulgarian";
  QVERIFY(world_->AddBase(german));
  QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
  LanguageOffset = language;
  world_->Load(QStringLiteral("house"));
  QCOMPARE(WorkDic(), chosen);
  QVERIFY(Option(chosen)->isChecked());
  QCOMPARE(Pane()->toPlainText(),
           chosen == 0 ? QStringLiteral("сграда") : QStringLiteral("къща; дом"));
}

void Form1Test::flagsFollowTheBaseIds() {
  const std::pair<const char*, int> bases[] = {
      {"esbgvk01", 105}, {"SPBGvk02", 105}, {"rubgvk01", 107}, {"xxbgvk01", 108}};
  for (const auto& [id, flag] : bases) {
    BaseSource source = test::EnglishBulgarianSample();
    source.id = id;
    QVERIFY(world_->AddBase(source));
  }
  world_->Load(QStringLiteral("0"));
  for (int i = 0; i < 4; ++i) {
    const QImage expected = FlagBitmap(bases[i].second).toImage();
    QCOMPARE(Option(i)->icon().pixmap(expected.size()).toImage().convertToFormat(expected.format()),
             expected);
  }
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
  LanguageOffset = 0;
  LanguageCharset = 204;
  LoadOneBase();
  QCOMPARE(ButtonNamed("BtnPrevod")->Caption(), QStringLiteral("Преведи"));
  QCOMPARE(Option(0)->toolTip(), QStringLiteral("Английски, Български"));
  QTest::keyClick(Combo(), Qt::Key_Return);
  QCOMPARE(Pane()->property("charset").toInt(), 204);
  QCOMPARE(Pane()->toPlainText(), DecodeText(204, AppError.MsgByNomer(msg::kNoWord)));
}

void Form1Test::closingSavesWorkDicAndPosition() {
  AppSettings.SavePosition = true;
  AppSettings.SystrayIcon = true;
  LoadTwoBases();
  Form1& form = *world_->form;
  QTest::mouseClick(Option(1), Qt::LeftButton);
  form.move(-50, 40);
  form.CloseAndSave();
  QVERIFY(!form.isVisible());
  QVERIFY(!Tray()->isVisible());
  QCOMPARE(RegNumber(Stored("WorkDic")), 1);
  QCOMPARE(RegNumber(Stored("LeftPosition")), 100);
  QCOMPARE(RegNumber(Stored("TopPosition")), 40 * 1440 / form.logicalDpiY());
}

void Form1Test::closeButtonMinimisesHidesOrEnds() {
  AppSettings.MinimizeToTray = true;
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
  QVERIFY(std::holds_alternative<std::monostate>(Stored("WorkDic")));
  form.showNormal();
  form.SetTrayAvailableProbe([] { return true; });
  QTest::mouseClick(ButtonNamed("BtnClose"), Qt::LeftButton);
  QVERIFY(!form.isVisible());
  QVERIFY(Tray()->isVisible());
  QVERIFY(std::holds_alternative<std::monostate>(Stored("WorkDic")));
  form.findChild<QAction*>("mnuRestore")->trigger();
  QVERIFY(form.isVisible());
  // Without MinimizeToTray the close button ends the program.
  AppSettings.MinimizeToTray = false;
  QTest::mouseClick(ButtonNamed("BtnClose"), Qt::LeftButton);
  QVERIFY(!form.isVisible());
  QCOMPARE(RegNumber(Stored("WorkDic")), 0);
  QVERIFY(!std::holds_alternative<std::monostate>(Stored("WorkDic")));
}

void Form1Test::paneRefusesCopy() {
  LoadOneBase();
  Translate(QStringLiteral("house"));
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText(QStringLiteral("before"));
  QPlainTextEdit* pane = Pane();
  pane->selectAll();
  pane->setFocus();
  QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(pane, Qt::Key_Insert, Qt::ControlModifier);
  QTest::keyClick(pane, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(clipboard->text(), QStringLiteral("before"));
  QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(pane->toPlainText(), QStringLiteral("къща; дом"));
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
  LanguageOffset = offset;
  LanguageCharset = charset;
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
  AppSettings.AlwaysOnTop = onTop;
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

void Form1Test::upDownAndWheelWalkFromTheShownWord() {
  AppSettings.CompleteWord = false;
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

void Form1Test::escapeInTheOpenListClosesItOnly() {
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

void Form1Test::lookupSelectsTheWordSoTypingReplacesIt() {
  AppSettings.CompleteWord = false;
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

void Form1Test::workingBaseFlagStandsOut_data() {
  QTest::addColumn<QString>("scheme");
  for (const QString& name : SchemeNames()) QTest::newRow(qPrintable(name)) << name;
}

void Form1Test::workingBaseFlagStandsOut() {
  QFETCH(QString, scheme);
  world_->app.Colours = LookupSchemeColours(scheme);
  LoadTwoBases();
  const QColor face = ToQColor(world_->app.Colours.optionBack);
  QToolButton* chosen = Option(0);
  QVERIFY(chosen->isChecked() && !Option(1)->isChecked());
  const QImage image = chosen->grab().toImage();
  const int w = image.width();
  const int h = image.height();
  // A mark two pixels wide all round, set off from the face as a non-text mark must be (3:1).
  for (const QPoint& p : {QPoint(0, h / 2), QPoint(1, h / 2), QPoint(w - 1, h / 2),
                          QPoint(w - 2, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)}) {
    QVERIFY2(Contrast(image.pixelColor(p), face) >= 3.0,
             qPrintable(image.pixelColor(p).name() + QStringLiteral(" on ") + face.name()));
  }
  // The other flags carry no such mark.
  const QImage plain = Option(1)->grab().toImage();
  QVERIFY(Contrast(plain.pixelColor(1, h / 2), face) < 3.0);
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::Form1Test)
#include "form1_test.moc"
