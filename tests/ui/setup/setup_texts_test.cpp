// The settings dialog's texts in every interface language, its lists, and the check that the
// chosen font has the letters to show them.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <memory>

#include "tests/ui/setup/dialog_world.h"
#include "ui/setup/fonts.h"
#include "ui/setup/frm_setup.h"

namespace vokabi::ui {
namespace {

// A font that claims the Latin letters but draws symbols for them, and one with Latin letters
// only; both come with the test's packages.
const QString kSymbolFont = QStringLiteral("Standard Symbols PS");
const QString kLatinOnlyFont = QStringLiteral("Caladea");

const char* const kLanguages[] = {"Bulgarian", "English", "French", "German",
                                  "Spanish",   "Italian", "Russian"};

// A base with Western letters on both sides.
BaseSource FrenchGermanBase() {
  BaseSource source;
  source.id = "frdevk01";
  source.charset1 = 0;
  source.charset2 = 0;
  source.key = "sample-key";
  const auto western = [](const char* text) { return platform::EncodeCharset(0, text).bytes; };
  source.side1 = {{western("maison"), western("Haus")}, {western("été"), western("Sommer")}};
  source.side2 = {{western("Haus"), western("maison")}, {western("Bär"), western("ours")}};
  return source;
}

RegVariant Stored(AppContext& context, std::string_view name) {
  return QueryRegValue(context.Store(), RegRoot::CurrentUser, kSettingsKey, name, RegVariant{});
}

}  // namespace

class SetupTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { world_ = std::make_unique<DialogWorld>(); }
  void cleanup() { world_.reset(); }

  void everyLabelFitsItsRoom_data();
  void everyLabelFitsItsRoom();
  void languagesByOwnNameSchemesInTheInterfaceLanguage();
  void symbolFontIsRefused();
  void latinOnlyFontIsRefusedWhereCyrillicIsNeeded();

 private:
  FrmSetup* Dialog() const { return world_->form->findChild<FrmSetup*>(); }
  QComboBox* List(int i) const {
    return Dialog()->findChild<QComboBox*>(QStringLiteral("Combo%1").arg(i));
  }
  void Press(const char* name) {
    DialogWorld::Click(Dialog()->findChild<Button*>(QString::fromLatin1(name)));
  }
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
  void Open() {
    world_->Load(QStringLiteral("0"));
    QVERIFY(world_->Open<FrmSetup>("BtnSetup") != nullptr);
  }
  // The working base, by its flag in the lookup window.
  void ChooseBase(int index) {
    QTest::mouseClick(world_->form->findChild<QWidget*>(QStringLiteral("Option1_%1").arg(index)),
                      Qt::LeftButton);
    QCOMPARE(world_->context.AppSettings.WorkDic, index);
  }
  // A font the test needs is missing: the test fails and says which package brings it.
  // The font's name as the list shows it ("Standard Symbols PS [urw]" where two foundries make
  // it); empty when it is missing.
  static QString Listed(const QString& family) {
    for (const QString& listed : QFontDatabase::families()) {
      if (listed == family || listed.startsWith(family + QStringLiteral(" ["))) return listed;
    }
    return {};
  }

  std::unique_ptr<DialogWorld> world_;
};

void SetupTextsTest::everyLabelFitsItsRoom_data() {
  QTest::addColumn<int>("offset");
  for (int i = 0; i < 7; ++i) QTest::newRow(kLanguages[i]) << i * 1000;
}

void SetupTextsTest::everyLabelFitsItsRoom() {
  QFETCH(int, offset);
  world_->context.Language.LanguageOffset = offset;
  world_->context.Language.LanguageCharset = CharsetForLanguage(offset);
  // The program's fonts with UseFont's default face.
  world_->app.FontLarge = QFont(QStringLiteral("Arial"), 12);
  world_->app.FontSmall = QFont(QStringLiteral("Arial"), 10);
  QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
  Open();
  FrmSetup* dialog = Dialog();
  const QFontMetrics metrics(world_->app.FontSmall);

  for (int i = 0; i < FrmSetup::kCheckBoxes; ++i) {
    const FrmSetup::DrawnCaption caption = dialog->CheckCaption(i);
    const QRect needed = metrics.boundingRect(caption.text);
    QVERIFY2(needed.width() <= caption.room.width(), qPrintable(caption.text));
    QVERIFY(!caption.room.intersects(List(1)->geometry()));
  }
  for (int i = 0; i < 4; ++i) {
    auto* label = dialog->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i));
    QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
  }
  int right = 0;
  for (const char* name : {"BtnOk", "BtnCancel", "BtnApply", "BtnDefault"}) {
    auto* button = dialog->findChild<Button*>(QString::fromLatin1(name));
    const QRect caption = button->Layout().caption;
    QVERIFY2(button->rect().contains(caption), qPrintable(button->Caption()));
    // One line: a wrapped caption would stand two lines high.
    QVERIFY2(caption.height() < 2 * QFontMetrics(button->Font()).lineSpacing(),
             qPrintable(button->Caption()));
    QVERIFY(button->x() > right);
    right = button->geometry().right();
  }
  QVERIFY(right < dialog->width() - 8);
  // The two lists whose items the program names.
  for (const int list : {1, 3}) {
    for (int i = 0; i < List(list)->count(); ++i) {
      QVERIFY2(metrics.horizontalAdvance(List(list)->itemText(i)) < List(list)->width() - 30,
               qPrintable(List(list)->itemText(i)));
    }
  }
}

void SetupTextsTest::languagesByOwnNameSchemesInTheInterfaceLanguage() {
  world_->context.Language.LanguageOffset = 0;
  world_->context.Language.LanguageCharset = 204;
  world_->context.AppSettings.Style = "GREEN";
  QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
  Open();
  QStringList languages;
  for (int i = 0; i < List(1)->count(); ++i) languages << List(1)->itemText(i);
  QCOMPARE(languages, (QStringList{"Български", "English", "Français", "Deutsch", "Español",
                                   "Italiano", "Русский"}));
  QCOMPARE(List(3)->count(), 10);
  QCOMPARE(List(3)->currentText(), QStringLiteral("Зелено"));

  // The setting keeps the English name of what the list shows in Bulgarian.
  Choose(3, QStringLiteral("Тъмносиньо"));
  Press("BtnApply");
  QCOMPARE(RegText(Stored(world_->context, "Style")), std::string("Blue dark"));
  QCOMPARE(world_->app.Colours.optionBack, Colour{0xFF4A1E});

  // A new language names the schemes anew and keeps the choice.
  Choose(1, QStringLiteral("Deutsch"));
  Press("BtnApply");
  QCOMPARE(world_->context.Language.LanguageOffset, 3000);
  QCOMPARE(List(3)->currentText(), QStringLiteral("Dunkelblau"));
  QCOMPARE(List(3)->itemText(0), QStringLiteral("Silber"));
  QCOMPARE(RegText(Stored(world_->context, "Style")), std::string("Blue dark"));
  QCOMPARE(Dialog()->findChild<Button*>("BtnApply")->Caption(), QStringLiteral("Übernehmen"));
}

void SetupTextsTest::symbolFontIsRefused() {
  const QString symbolFont = Listed(kSymbolFont);
  QVERIFY2(!symbolFont.isEmpty(), "Standard Symbols PS is missing (Debian fonts-urw-base35)");
  QVERIFY(world_->AddBase(FrenchGermanBase()));
  Open();
  const QString fontBefore = world_->app.FontLarge.family();
  // It claims the Latin letters, but its Unicode map has symbols only.
  QVERIFY(QFontDatabase::writingSystems(symbolFont).contains(QFontDatabase::Latin));
  Choose(2, symbolFont);
  Press("BtnOk");
  QCOMPARE(world_->messages.size(), std::size_t{1});
  QCOMPARE(world_->messages[0].first, QMessageBox::Warning);
  QVERIFY(world_->messages[0].second.startsWith(QStringLiteral("Attention! Selected font")));
  QVERIFY(Dialog() != nullptr && Dialog()->isVisible());
  QCOMPARE(world_->app.FontLarge.family(), fontBefore);
  QVERIFY(std::holds_alternative<std::monostate>(Stored(world_->context, "UseFont")));
}

void SetupTextsTest::latinOnlyFontIsRefusedWhereCyrillicIsNeeded() {
  QVERIFY2(Listed(kLatinOnlyFont) == kLatinOnlyFont,
           "Caladea is missing (Debian fonts-crosextra-caladea)");
  QVERIFY(world_->AddBase(FrenchGermanBase()));
  QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
  world_->context.Language.LanguageOffset = 2000;
  world_->Load(QStringLiteral("0"));
  ChooseBase(0);
  QVERIFY(world_->Open<FrmSetup>("BtnSetup") != nullptr);
  const QString fontBefore = world_->app.FontLarge.family();

  // A Bulgarian interface needs Cyrillic letters.
  Choose(1, QStringLiteral("Български"));
  Choose(2, kLatinOnlyFont);
  Press("BtnApply");
  QCOMPARE(world_->messages.size(), std::size_t{1});
  QVERIFY(world_->messages[0].second.startsWith(QStringLiteral("Attention ! La police choisie")));
  QCOMPARE(world_->context.Language.LanguageOffset, 2000);
  QCOMPARE(world_->app.FontLarge.family(), fontBefore);
  // So does a Russian one.
  Choose(1, QStringLiteral("Русский"));
  Press("BtnApply");
  QCOMPARE(world_->messages.size(), std::size_t{2});
  QCOMPARE(world_->context.Language.LanguageOffset, 2000);

  // A Western interface over a Western base: the letters are there.
  Choose(1, QStringLiteral("Deutsch"));
  Press("BtnApply");
  QCOMPARE(world_->messages.size(), std::size_t{2});
  QCOMPARE(world_->context.Language.LanguageOffset, 3000);
  QCOMPARE(world_->app.FontLarge.family(), kLatinOnlyFont);

  // The same interface over the English-Bulgarian base: its Bulgarian side needs Cyrillic.
  Press("BtnCancel");
  QTRY_VERIFY(Dialog() == nullptr);
  ChooseBase(1);
  QVERIFY(world_->Open<FrmSetup>("BtnSetup") != nullptr);
  QCOMPARE(List(2)->currentText(), kLatinOnlyFont);
  Press("BtnOk");
  QCOMPARE(world_->messages.size(), std::size_t{3});
  QVERIFY(world_->messages[2].second.startsWith(QStringLiteral("Achtung! Die gewählte Schrift")));
  QVERIFY(Dialog() != nullptr && Dialog()->isVisible());
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::SetupTextsTest)
#include "setup_texts_test.moc"
