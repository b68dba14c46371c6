// The settings dialog opened from the lookup window and driven through its controls.
#include "ui/setup/frm_setup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QSystemTrayIcon>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/desktop_integration.h"
#include "tests/ui/setup/dialog_world.h"
#include "ui/setup/fonts.h"

namespace vokabi::ui {
namespace {

RegVariant Stored(AppContext& context, std::string_view name) {
  return QueryRegValue(context.Store(), RegRoot::CurrentUser, kSettingsKey, name, RegVariant{});
}

bool MenuKeyExists(AppContext& context, std::int32_t offset) {
  return std::holds_alternative<std::int32_t>(QueryRegValue(
      context.Store(), RegRoot::CurrentUser, BrowserMenuKey(offset), "Contexts", RegVariant{}));
}

std::string FileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

class FrmSetupTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    world_ = std::make_unique<DialogWorld>();
    world_->app.Services.printers = [this] { return printers_; };
    QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
  }
  void cleanup() {
    world_->beforeReplace = nullptr;
    world_.reset();
    printers_.clear();
  }

  void opensFromButtonAndTrayWithTheSettingsShown();
  void iconBoxFollowsStartAndTrayBoxes();
  void defaultKeepsTheTrayBoxAndItsIcon();
  void printerNoLongerInstalledIsKept();
  void applyTwiceThenCancelDiscards();
  void languageChangeMovesTheBrowserKey();
  void applyRedressesBothWindowsAndSurvivesARestart();
  void startWithTheSessionWritesTheAutostartFile();
  void draggingACheckBoxMovesTheDialogOnly();
  void failedSavesAreSaidAndKeepTheOldSettings();
  void theSessionEntryNeverOutlivesTheStoredSwitch();

 private:
  FrmSetup* Open() { return world_->Open<FrmSetup>("BtnSetup"); }
  FrmSetup* Dialog() const { return world_->form->findChild<FrmSetup*>(); }
  QCheckBox* Check(int i) const {
    return Dialog()->findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(i));
  }
  QComboBox* List(int i) const {
    return Dialog()->findChild<QComboBox*>(QStringLiteral("Combo%1").arg(i));
  }
  Button* DialogButton(const char* name) const {
    return Dialog()->findChild<Button*>(QString::fromLatin1(name));
  }
  Button* WindowButton(const char* name) const {
    return world_->form->findChild<Button*>(QString::fromLatin1(name));
  }
  void Press(const char* name) { DialogWorld::Click(DialogButton(name)); }
  void Toggle(int i) { QTest::mouseClick(Check(i), Qt::LeftButton); }
  // Picks an item with the keyboard, as a user does on a closed list.
  void Choose(int list, const QString& text) {
    QComboBox* combo = List(list);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), text);
  }
  void Load() {
    world_->Load(QStringLiteral("0"));
    QVERIFY(Open() != nullptr);
  }

  std::unique_ptr<DialogWorld> world_;
  QStringList printers_;
};

void FrmSetupTest::opensFromButtonAndTrayWithTheSettingsShown() {
  world_->context.AppSettings.AlwaysOnTop = true;
  world_->context.AppSettings.Style = "blue DARK";
  world_->context.AppSettings.ClipboardTranslate = true;
  world_->context.Language.LanguageOffset = 3000;
  world_->Load(QStringLiteral("0"));
  Form1& form = *world_->form;
  QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

  FrmSetup* dialog = Open();
  QVERIFY(dialog != nullptr);
  QCOMPARE(dialog->windowModality(), Qt::WindowModal);
  QVERIFY(!form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QCOMPARE(List(1)->currentText(), QStringLiteral("Deutsch"));
  QCOMPARE(List(3)->currentText(), QStringLiteral("Dunkelblau"));
  QCOMPARE(List(2)->currentText(), ObtainedFamily(world_->app.FontLarge.family()));
  QVERIFY(!List(4)->isEnabled());
  QVERIFY(Check(0)->isChecked() && Check(3)->isChecked() && Check(4)->isChecked());
  QVERIFY(!Check(1)->isChecked() && !Check(7)->isChecked() && Check(7)->isEnabled());
  // The browser of the menu entry exists only on Windows.
  QVERIFY(!Check(6)->isEnabled());
  QCOMPARE(DialogButton("BtnApply")->Caption(), QStringLiteral("Übernehmen"));

  // The tray menu reaches the open dialog rather than a second one.
  form.findChild<QAction*>("mnuSetup")->trigger();
  QCOMPARE(form.findChildren<FrmSetup*>().size(), 1);

  // Closing gives the window its band back and changes nothing.
  Press("BtnClose");
  QTRY_VERIFY(Dialog() == nullptr);
  QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(std::holds_alternative<std::monostate>(Stored(world_->context, "Style")));

  // From the tray while the window waits there: the window stays hidden, even when applying.
  form.hide();
  form.findChild<QAction*>("mnuSetup")->trigger();
  QVERIFY(Dialog() != nullptr && Dialog()->isVisible());
  Press("BtnApply");
  QVERIFY(!form.isVisible());
  QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(Dialog()->isVisible());
}

void FrmSetupTest::iconBoxFollowsStartAndTrayBoxes() {
  Load();
  QVERIFY(Check(7)->isEnabled() && !Check(7)->isChecked());
  Toggle(2);
  QVERIFY(Check(7)->isChecked() && !Check(7)->isEnabled());
  QVERIFY(world_->context.AppSettings.SystrayIcon);
  Toggle(8);
  Toggle(2);
  QVERIFY(!Check(2)->isChecked());
  QVERIFY(Check(7)->isChecked() && !Check(7)->isEnabled());
  Toggle(8);
  QVERIFY(Check(7)->isChecked() && Check(7)->isEnabled());
  Toggle(7);
  QVERIFY(!Check(7)->isChecked());
  // A disabled box ignores clicks.
  Toggle(2);
  Toggle(7);
  QVERIFY(Check(7)->isChecked());
}

void FrmSetupTest::defaultKeepsTheTrayBoxAndItsIcon() {
  world_->context.AppSettings.MinimizeToTray = true;
  world_->context.AppSettings.AlwaysOnTop = true;
  world_->context.AppSettings.CompleteWord = false;
  world_->context.AppSettings.SelectionTranslate = true;
  world_->context.AppSettings.Style = "Black";
  world_->context.Language.LanguageOffset = 2000;
  Load();
  Press("BtnDefault");
  const bool expected[] = {false, true, false, true, false, false, false, true, true};
  for (int i = 0; i < FrmSetup::kCheckBoxes; ++i) QCOMPARE(Check(i)->isChecked(), expected[i]);
  QVERIFY(!Check(7)->isEnabled());
  QCOMPARE(List(1)->currentText(), QStringLiteral("English"));
  QCOMPARE(List(3)->currentText(), QStringLiteral("Green"));
  QCOMPARE(List(2)->currentText(), ObtainedFamily(QStringLiteral("Arial")));
  // Applied at once and saved.
  QVERIFY(Dialog() != nullptr);
  QCOMPARE(world_->messages.size(), std::size_t{0});
  QCOMPARE(world_->context.Language.LanguageOffset, 1000);
  QCOMPARE(RegNumber(Stored(world_->context, "Language")), 1000);
  QCOMPARE(RegText(Stored(world_->context, "Style")), std::string("Green"));
  QCOMPARE(RegNumber(Stored(world_->context, "MinimizeToTray")), 1);
  QCOMPARE(RegNumber(Stored(world_->context, "SystrayIcon")), 1);
  QCOMPARE(RegNumber(Stored(world_->context, "AlwaysOnTop")), 0);
  QCOMPARE(RegNumber(Stored(world_->context, "CompleteWord")), 1);
  QVERIFY(!world_->form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void FrmSetupTest::printerNoLongerInstalledIsKept() {
  printers_ = {QStringLiteral("Office"), QStringLiteral("Lab")};
  world_->context.AppSettings.PrinterName = "Gone";
  Load();
  QVERIFY(List(4)->isEnabled());
  QCOMPARE(List(4)->count(), 2);
  QCOMPARE(List(4)->currentIndex(), -1);
  Press("BtnApply");
  // Start with the session stays off: nothing is written for it, and nothing is reported.
  QVERIFY(!std::filesystem::exists(world_->home.Hives() / "machine.reg"));
  QCOMPARE(world_->context.AppError.Nomer(), msg::kNone);
  QCOMPARE(world_->context.AppSettings.PrinterName, std::string("Gone"));
  QCOMPARE(RegText(Stored(world_->context, "PrinterName")), std::string("Gone"));
  Choose(4, QStringLiteral("Lab"));
  Press("BtnApply");
  QCOMPARE(RegText(Stored(world_->context, "PrinterName")), std::string("Lab"));
}

void FrmSetupTest::applyTwiceThenCancelDiscards() {
  Load();
  Choose(3, QStringLiteral("Blue dark"));
  Press("BtnApply");
  QCOMPARE(RegText(Stored(world_->context, "Style")), std::string("Blue dark"));
  Choose(3, QStringLiteral("Black"));
  Toggle(4);
  Press("BtnApply");
  QCOMPARE(RegText(Stored(world_->context, "Style")), std::string("Black"));
  QCOMPARE(RegNumber(Stored(world_->context, "ClipboardTranslate")), 1);
  QCOMPARE(world_->app.Colours.optionBack, LookupSchemeColours(QStringLiteral("Black")).optionBack);
  QVERIFY(Dialog() != nullptr);

  Toggle(3);
  Choose(1, QStringLiteral("Italiano"));
  Press("BtnCancel");
  QTRY_VERIFY(Dialog() == nullptr);
  QVERIFY(world_->context.AppSettings.CompleteWord);
  QCOMPARE(world_->context.Language.LanguageOffset, 1000);
  QCOMPARE(RegNumber(Stored(world_->context, "CompleteWord")), 1);
  // Opened again, it shows what was applied, not what was discarded.
  QVERIFY(Open() != nullptr);
  QVERIFY(Check(3)->isChecked());
  QCOMPARE(List(3)->currentText(), QStringLiteral("Black"));
}

void FrmSetupTest::languageChangeMovesTheBrowserKey() {
  world_->context.Language.LanguageOffset = 0;
  world_->context.Language.LanguageCharset = 204;
  world_->context.AppSettings.IEintegration = true;
  InstallBrowserMenu(world_->context.Store(), world_->context.Language.LanguageOffset,
                     "/opt/vokabi/vokabi");
  Load();
  QVERIFY(Check(6)->isChecked());
  Choose(1, QStringLiteral("English"));
  Press("BtnApply");
  QVERIFY(!MenuKeyExists(world_->context, 0));
  QVERIFY(MenuKeyExists(world_->context, 1000));
  const RegVariant script = QueryRegValue(world_->context.Store(), RegRoot::CurrentUser,
                                          BrowserMenuKey(1000), "", RegVariant{});
  QVERIFY(RegText(script).find(QCoreApplication::applicationFilePath().toStdString()) !=
          std::string::npos);
  // Closing the window puts the entry back where the program is now.
  DeleteRegKey(world_->context.Store(), RegRoot::CurrentUser, BrowserMenuKey(1000));
  Press("BtnCancel");
  world_->form->CloseAndSave();
  QVERIFY(MenuKeyExists(world_->context, 1000));
}

void FrmSetupTest::applyRedressesBothWindowsAndSurvivesARestart() {
  Load();
  Choose(1, QStringLiteral("Български"));
  Choose(3, QStringLiteral("Blue dark"));
  Toggle(0);
  Press("BtnApply");
  Form1& form = *world_->form;
  const SchemeColours blueDark = LookupSchemeColours(QStringLiteral("Blue dark"));
  QCOMPARE(WindowButton("BtnSetup")->Caption(), QStringLiteral("Настройки"));
  QCOMPARE(WindowButton("BtnPrevod")->BackColor(), blueDark.schemeButton);
  QCOMPARE(form.windowTitle(), QStringLiteral("Вокаби"));
  QCOMPARE(DialogButton("BtnApply")->Caption(), QStringLiteral("Запомни"));
  QCOMPARE(DialogButton("BtnOk")->BackColor(), blueDark.schemeButton);
  QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(Dialog()->isVisible());

  // The next start reads back what was applied.
  const SettingsRecord applied = world_->context.AppSettings;
  world_->context.AppSettings = SettingsRecord{};
  QVERIFY(SelectLanguage(world_->context));
  QVERIFY(LoadSettings(world_->context, 1 << 20, 1 << 20));
  QCOMPARE(world_->context.Language.LanguageOffset, 0);
  QCOMPARE(world_->context.AppSettings.Style, std::string("Blue dark"));
  QCOMPARE(world_->context.AppSettings.UseFont, applied.UseFont);
  QVERIFY(world_->context.AppSettings.AlwaysOnTop);
  QCOMPARE(world_->context.AppSettings.CompleteWord, applied.CompleteWord);
}

void FrmSetupTest::startWithTheSessionWritesTheAutostartFile() {
  Load();
  Toggle(2);
  Press("BtnOk");
  QTRY_VERIFY(Dialog() == nullptr);
  const std::filesystem::path autostart = world_->home.Path() / "autostart" / "vokabi.desktop";
  const std::string entry = FileText(autostart);
  const std::string program = QCoreApplication::applicationFilePath().toStdString();
  QVERIFY2(entry.find("Exec=" + program + " /1\n") != std::string::npos, entry.c_str());
  QVERIFY(std::filesystem::exists(world_->home.Data() / "icons/hicolor/64x64/apps/vokabi.png"));
  QCOMPARE(RegText(QueryRegValue(world_->context.Store(), RegRoot::LocalMachine, kRunKey,
                                 std::filesystem::path(program).stem().string(), RegVariant{})),
           program + " /1");
  QVERIFY(world_->form->findChild<QSystemTrayIcon*>()->isVisible());

  QVERIFY(Open() != nullptr);
  QVERIFY(Check(2)->isChecked() && !Check(7)->isEnabled());
  Toggle(2);
  Toggle(7);
  Press("BtnApply");
  QVERIFY(!std::filesystem::exists(autostart));
  QVERIFY(!world_->form->findChild<QSystemTrayIcon*>()->isVisible());
  QCOMPARE(RegNumber(Stored(world_->context, "StartWithWindows")), 0);
}

void FrmSetupTest::draggingACheckBoxMovesTheDialogOnly() {
  Load();
  FrmSetup* dialog = Dialog();
  const QPoint before = dialog->pos();
  QCheckBox* box = Check(3);
  const bool value = box->isChecked();
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(45, 25), box->mapToGlobal(QPointF(45, 25)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box, &move);
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(45, 25));
  QCOMPARE(box->isChecked(), value);
  QCOMPARE(dialog->pos(), before + QPoint(40, 20));
}

// A full disk: the settings file cannot be replaced. Apply and closing say so, and the settings
// saved before stay whole.
void FrmSetupTest::failedSavesAreSaidAndKeepTheOldSettings() {
  Load();
  const std::string before = FileText(world_->home.Hives() / "user.reg");
  world_->beforeReplace = [](const std::filesystem::path&) { return false; };
  Toggle(0);
  Press("BtnApply");
  const QString notSaved =
      QStringLiteral("The settings could not be saved; the ones saved before are kept.");
  QCOMPARE(world_->messages.size(), std::size_t(1));
  QCOMPARE(world_->messages[0], std::pair(QMessageBox::Critical, notSaved));
  QCOMPARE(FileText(world_->home.Hives() / "user.reg"), before);

  Press("BtnOk");
  QTRY_VERIFY(Dialog() == nullptr);
  world_->messages.clear();
  world_->context.AppSettings.CyrKeyboard = !world_->context.AppSettings.CyrKeyboard;
  world_->form->CloseAndSave();
  QCOMPARE(world_->messages.size(), std::size_t(1));
  QCOMPARE(world_->messages[0], std::pair(QMessageBox::Critical, notSaved));
  QCOMPARE(FileText(world_->home.Hives() / "user.reg"), before);
}

// Apply stores the switch and writes the session's entry in the order that a crash between the
// two leaves the entry only where the stored switch is on: the settings are stored before the
// entry is made, and the entry is removed before the settings are stored.
void FrmSetupTest::theSessionEntryNeverOutlivesTheStoredSwitch() {
  Load();
  const std::filesystem::path autostart = world_->home.Path() / "autostart" / "vokabi.desktop";
  std::vector<bool> entryWhenStored;
  world_->beforeReplace = [&](const std::filesystem::path& temporary) {
    if (temporary.filename() == "user.reg.new")
      entryWhenStored.push_back(std::filesystem::exists(autostart));
    return true;
  };
  Toggle(2);
  Press("BtnApply");
  QVERIFY(std::filesystem::exists(autostart));
  Toggle(2);
  Press("BtnApply");
  QVERIFY(!std::filesystem::exists(autostart));
  QCOMPARE(entryWhenStored, (std::vector<bool>{false, false}));

  // Killed as the settings were stored: with the switch on, no entry was made yet.
  world_->beforeReplace = [](const std::filesystem::path& temporary) {
    return temporary.filename() != "user.reg.new";
  };
  Toggle(2);
  Press("BtnApply");
  QVERIFY(!std::filesystem::exists(autostart));
  QCOMPARE(RegNumber(Stored(world_->context, "StartWithWindows")), 0);
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::FrmSetupTest)
#include "frm_setup_test.moc"
