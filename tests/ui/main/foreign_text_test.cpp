// Translating what another program copies or selects, against a real X server on which xclip
// owns the clipboard and the primary selection, as any program does.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <memory>

#include "tests/ui/main/hand_off_probe.h"
#include "tests/ui/setup/dialog_world.h"
#include "ui/main/word_list.h"
#include "ui/setup/frm_setup.h"

namespace vokabi::ui {

namespace {

// Another program that owns the clipboard or the primary selection until a newer owner takes
// it; xclip in the foreground, so that the test ends it.
class Owner {
 public:
  Owner(const char* selection, const QByteArray& data, const char* type = "UTF8_STRING") {
    xclip_.start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                           QString::fromLatin1(selection), QStringLiteral("-t"),
                                           QString::fromLatin1(type), QStringLiteral("-i")});
    if (!xclip_.waitForStarted()) qWarning("xclip did not start");
    xclip_.write(data);
    xclip_.closeWriteChannel();
  }
  ~Owner() {
    xclip_.kill();
    xclip_.waitForFinished();
  }
  Owner(const Owner&) = delete;
  Owner& operator=(const Owner&) = delete;

 private:
  QProcess xclip_;
};

// The X server hands the focus over at once; a busy machine may delay the events that say so.
constexpr int kActivationMs = 15000;
constexpr const char* kSelections[] = {"clipboard", "primary"};

}  // namespace

class ForeignTextTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    world_ = std::make_unique<DialogWorld>();
    QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
    // Another program the user works in; the lookup window is in the background.
    other_ = std::make_unique<QWidget>();
    other_->setGeometry(600, 400, 200, 100);
  }
  void cleanup() {
    owners_.clear();
    other_.reset();
    world_.reset();
  }

  void timersRunOnlyWhileTheirSettingsAreOn();
  void applySwitchesTheTimersAtOnce();
  void sameTextTwiceIsLookedUpOnce_data();
  void sameTextTwiceIsLookedUpOnce();
  void emptyOrPictureDoesNothing_data();
  void emptyOrPictureDoesNothing();
  void missFillsTheWordBoxAndStaysBehind();
  void windowWaitingInTheTrayComesOut();
  void paragraphIsIgnored();
  void ownWordBoxIsIgnored();
  void silentOwnerCostsTheWindowNothing();

 private:
  Form1& Load() {
    Form1& form = world_->Load(QStringLiteral("0"));
    form.move(0, 0);
    return form;
  }
  // The user turns to the other program.
  void WorkElsewhere() {
    other_->show();
    other_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(other_.get()));
  }
  // Another program takes the clipboard (mode Clipboard) or the selection with text.
  void Own(QClipboard::Mode mode, const QByteArray& data, const char* type = "UTF8_STRING") {
    owners_.clear();
    owners_.push_back(
        std::make_unique<Owner>(kSelections[mode == QClipboard::Selection ? 1 : 0], data, type));
    if (qstrcmp(type, "UTF8_STRING") == 0) {
      QTRY_COMPARE(QGuiApplication::clipboard()->text(mode), QString::fromUtf8(data));
    }
  }
  // Lets the timer of a mode tick twice more, so that whatever it would do is done.
  void Ticks(QClipboard::Mode mode) {
    auto* timer = Form()->findChild<QTimer*>(
        QLatin1String(mode == QClipboard::Selection ? "Timer2" : "Timer1"));
    QVERIFY(timer != nullptr && timer->isActive());
    QSignalSpy ticks(timer, &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 2);
  }
  Form1* Form() const { return world_->form.get(); }
  QComboBox* WordBox() const { return Form()->findChild<QComboBox*>(QStringLiteral("Combo1")); }
  QString Pane() const {
    return Form()->findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText();
  }
  void SetBoth(bool on) {
    world_->context.AppSettings.ClipboardTranslate = on;
    world_->context.AppSettings.SelectionTranslate = on;
  }

  std::unique_ptr<DialogWorld> world_;
  std::unique_ptr<QWidget> other_;
  std::vector<std::unique_ptr<Owner>> owners_;
};

void ForeignTextTest::timersRunOnlyWhileTheirSettingsAreOn() {
  world_->context.AppSettings.ClipboardTranslate = true;
  Form1& form = Load();
  auto* timer1 = form.findChild<QTimer*>(QStringLiteral("Timer1"));
  auto* timer2 = form.findChild<QTimer*>(QStringLiteral("Timer2"));
  QVERIFY(timer1 != nullptr && timer2 != nullptr);
  QVERIFY(timer1->isActive());
  QVERIFY(!timer2->isActive());

  // Both off: another program's text stays where it is.
  SetBoth(false);
  form.SwitchTimers();
  QVERIFY(!timer1->isActive() && !timer2->isActive());
  WorkElsewhere();
  QSignalSpy ticks1(timer1, &QTimer::timeout);
  QSignalSpy ticks2(timer2, &QTimer::timeout);
  // Own returns once the new text has reached this program, so whatever it would set off is
  // queued by then.
  Own(QClipboard::Clipboard, "house");
  QCoreApplication::processEvents();
  QCOMPARE(ticks1.count() + ticks2.count(), 0);
  QVERIFY(!timer1->isActive() && !timer2->isActive());
  QCOMPARE(WordBox()->currentText(), QString());
  QVERIFY(other_->isActiveWindow());
}

void ForeignTextTest::applySwitchesTheTimersAtOnce() {
  Form1& form = Load();
  auto* dialog = world_->Open<FrmSetup>("BtnSetup");
  QVERIFY(dialog != nullptr);
  for (int box : {FrmSetup::kClipboardTranslate, FrmSetup::kSelectionTranslate}) {
    QTest::mouseClick(dialog->findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(box)),
                      Qt::LeftButton);
  }
  DialogWorld::Click(dialog->findChild<Button*>(QStringLiteral("BtnApply")));
  QVERIFY(form.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
  QVERIFY(form.findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());

  // The selection is translated while the dialog is still open.
  Own(QClipboard::Selection, "къща");
  QTRY_COMPARE(WordBox()->currentText(), QStringLiteral("къща"));
  QCOMPARE(Pane(), QStringLiteral("house"));

  QTest::mouseClick(
      dialog->findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(FrmSetup::kSelectionTranslate)),
      Qt::LeftButton);
  DialogWorld::Click(dialog->findChild<Button*>(QStringLiteral("BtnOk")));
  QVERIFY(form.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
  QVERIFY(!form.findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
}

void ForeignTextTest::sameTextTwiceIsLookedUpOnce_data() {
  QTest::addColumn<int>("mode");
  QTest::newRow("clipboard") << int(QClipboard::Clipboard);
  QTest::newRow("selection") << int(QClipboard::Selection);
}

void ForeignTextTest::sameTextTwiceIsLookedUpOnce() {
  QFETCH(int, mode);
  const auto source = QClipboard::Mode(mode);
  SetBoth(true);
  Form1& form = Load();
  WorkElsewhere();

  Own(source, "house");
  QTRY_COMPARE(Pane(), QStringLiteral("къща; дом"));
  QCOMPARE(WordBox()->currentText(), QStringLiteral("house"));
  // Found: the window comes to the front.
  QTRY_VERIFY_WITH_TIMEOUT(form.isActiveWindow(), kActivationMs);

  // The user clears the word box; the same text offered again is not looked up again.
  QTest::keyClick(WordBox(), Qt::Key_Escape);
  QCOMPARE(WordBox()->currentText(), QString());
  WorkElsewhere();
  Own(source, "house");
  Ticks(source);
  QCOMPARE(WordBox()->currentText(), QString());
  QVERIFY(other_->isActiveWindow());

  // Another word, then the first again: both are looked up.
  Own(source, "tree");
  QTRY_COMPARE(WordBox()->currentText(), QStringLiteral("tree"));
  QTRY_COMPARE(Pane(), QStringLiteral("дърво"));
  Own(source, "house");
  QTRY_COMPARE(WordBox()->currentText(), QStringLiteral("house"));
  // Bulgarian from the other side of the base.
  Own(source, "къща");
  QTRY_COMPARE(Pane(), QStringLiteral("house"));
  QCOMPARE(WordBox()->property("charset").toInt(), 204);
  QCOMPARE(WordBox()->count(), 3);
}

void ForeignTextTest::emptyOrPictureDoesNothing_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<QByteArray>("data");
  QTest::addColumn<QByteArray>("type");
  QTest::newRow("empty clipboard")
      << int(QClipboard::Clipboard) << QByteArray() << QByteArray("UTF8_STRING");
  QTest::newRow("empty selection")
      << int(QClipboard::Selection) << QByteArray() << QByteArray("UTF8_STRING");
  // Non-text data under a name that says so: a picture.
  QTest::newRow("picture") << int(QClipboard::Clipboard) << QByteArray("\x89PNG\r\n\x1a\nhouse")
                           << QByteArray("image/png");
}

void ForeignTextTest::emptyOrPictureDoesNothing() {
  QFETCH(int, mode);
  QFETCH(QByteArray, data);
  QFETCH(QByteArray, type);
  SetBoth(true);
  Load();
  WorkElsewhere();
  Own(QClipboard::Mode(mode), data, type.constData());
  Ticks(QClipboard::Mode(mode));
  QCOMPARE(WordBox()->currentText(), QString());
  QCOMPARE(Pane(), QString());
  QVERIFY(other_->isActiveWindow());
}

void ForeignTextTest::missFillsTheWordBoxAndStaysBehind() {
  SetBoth(true);
  Load();
  WorkElsewhere();
  Own(QClipboard::Selection, "Несъществуваща");
  QTRY_COMPARE(WordBox()->currentText(), QStringLiteral("Несъществуваща"));
  QCOMPARE(Pane(), QStringLiteral("Entered word/phrase not found."));
  // The character set is guessed from the letters in lower case.
  QCOMPARE(WordBox()->property("charset").toInt(), 204);
  Ticks(QClipboard::Selection);
  QVERIFY(other_->isActiveWindow());
  QVERIFY(!Form()->isActiveWindow());

  Own(QClipboard::Clipboard, "housx");
  QTRY_COMPARE(WordBox()->currentText(), QStringLiteral("housx"));
  QCOMPARE(WordBox()->property("charset").toInt(), 0);
  // As a typed miss: the close headwords in the word list, none of them highlighted.
  const auto* list = Form()->findChild<WordList*>(QStringLiteral("PictureLAB"));
  QVERIFY(list->ShowsSuggestions());
  QCOMPARE(list->HighlightedLabel(), -1);
  QCOMPARE(list->Label(0)->text(), QStringLiteral("house"));
  QVERIFY(other_->isActiveWindow());
}

void ForeignTextTest::windowWaitingInTheTrayComesOut() {
  SetBoth(true);
  // Started with the session: hidden, polling all the same.
  Form1& form = world_->Load(QStringLiteral("/1"));
  QVERIFY(!form.isVisible());
  Own(QClipboard::Clipboard, "housx");
  QTRY_COMPARE(WordBox()->currentText(), QStringLiteral("housx"));
  QVERIFY(!form.isVisible());
  Own(QClipboard::Clipboard, "door");
  QTRY_VERIFY(form.isVisible());
  QCOMPARE(Pane(), QStringLiteral("врата"));
  QTRY_VERIFY_WITH_TIMEOUT(form.isActiveWindow(), kActivationMs);
}

void ForeignTextTest::paragraphIsIgnored() {
  SetBoth(true);
  Load();
  // 254 bytes is the longest text looked up; 255 in two-byte letters is one too many.
  const QByteArray paragraph = QString(QStringLiteral("къща ")).repeated(51).toUtf8().left(255);
  QCOMPARE(paragraph.size(), 255);
  Own(QClipboard::Clipboard, paragraph);
  Ticks(QClipboard::Clipboard);
  QCOMPARE(WordBox()->currentText(), QString());
  QCOMPARE(Pane(), QString());

  // Exactly 254 bytes is still a lookup (a miss, shown in the word box).
  const QByteArray longest = paragraph.left(254);
  Own(QClipboard::Clipboard, longest);
  QTRY_COMPARE(WordBox()->currentText(), QString::fromUtf8(longest));
  QCOMPARE(Pane(), QStringLiteral("Entered word/phrase not found."));
}

void ForeignTextTest::ownWordBoxIsIgnored() {
  SetBoth(true);
  world_->context.AppSettings.CompleteWord = false;
  Load();
  QComboBox* box = WordBox();
  box->setFocus();
  QTest::keyClicks(box, QStringLiteral("tree"));
  // Selected with the keyboard and copied: the program owns both.
  QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
  QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
  QClipboard* clipboard = QGuiApplication::clipboard();
  QTRY_VERIFY(clipboard->ownsSelection() && clipboard->ownsClipboard());
  QCOMPARE(clipboard->text(QClipboard::Selection), QStringLiteral("tree"));
  Ticks(QClipboard::Selection);
  QCOMPARE(Pane(), QString());
  QCOMPARE(box->count(), 0);
}

void ForeignTextTest::silentOwnerCostsTheWindowNothing() {
  SetBoth(true);
  Form1& form = Load();
  // A hung program takes both; the timers keep polling while it lives.
  QProcess silent;
  silent.start(QStringLiteral(SILENT_OWNER), {});
  QVERIFY(silent.waitForReadyRead(kActivationMs));
  QCOMPARE(silent.readLine(), QByteArray("owned\n"));

  // Second starts hand words over, each waiting a second at most for the window to take it.
  QCOMPARE(HandOffsTakenWithinASecond(form, {"house", "tree", "door", "house"}), 4);
  QCOMPARE(Pane(), QStringLiteral("къща; дом"));

  // Asked once for each of the two, not at every tick.
  Ticks(QClipboard::Clipboard);
  Ticks(QClipboard::Selection);
  QCOMPARE(silent.readAll(), QByteArray("asked\nasked\n"));

  // A new owner is asked again at once.
  silent.kill();
  silent.waitForFinished();
  Own(QClipboard::Clipboard, "tree");
  QTRY_COMPARE(WordBox()->currentText(), QStringLiteral("tree"));
  QCOMPARE(Pane(), QStringLiteral("дърво"));
}

}  // namespace vokabi::ui

int main(int argc, char** argv) {
  // The X server and xclip are what this test is about; without them it fails, saying why.
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr, "FAIL: no X server (DISPLAY is empty); scripts/test starts Xvfb\n");
    return 1;
  }
  if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty()) {
    std::fprintf(stderr, "FAIL: xclip is not installed (scripts/packages.sh TEST_PACKAGES)\n");
    return 1;
  }
  QApplication application(argc, argv);
  vokabi::ui::ForeignTextTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "foreign_text_test.moc"
