// The flag buttons that choose the working base, driven through the window's controls.
#include "ui/main/option_buttons.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "resources/pictures.h"
#include "tests/ui/main/window_world.h"
#include "ui/controls/colour.h"
#include "ui/controls/schemes.h"

namespace vokabi::ui {

namespace {

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

class OptionButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { world_ = std::make_unique<World>(); }
  void cleanup() { world_.reset(); }

  void redressingKeepsTheWorkingBase();
  void storedWorkDicChoosesTheBase_data();
  void storedWorkDicChoosesTheBase();
  void firstStartTakesTheInterfaceLanguagesPair_data();
  void firstStartTakesTheInterfaceLanguagesPair();
  void flagsFollowTheBaseIds();
  void workingBaseFlagStandsOut_data();
  void workingBaseFlagStandsOut();

 private:
  QPlainTextEdit* Pane() const { return world_->form->findChild<QPlainTextEdit*>("Text2"); }
  QToolButton* Option(int i) const {
    return world_->form->findChild<QToolButton*>(QStringLiteral("Option1_%1").arg(i));
  }
  int WorkDic() const { return world_->form->WorkDic(); }
  void LoadTwoBases() { world_->LoadTwoBases(); }

  std::unique_ptr<World> world_;
};

// The settings dialog's Apply dresses the window again; the base picked since the start stays.
void OptionButtonsTest::redressingKeepsTheWorkingBase() {
  LoadTwoBases();
  QTest::mouseClick(Option(1), Qt::LeftButton);
  world_->form->Form1Setup();
  QCOMPARE(WorkDic(), 1);
  QVERIFY(Option(1)->isChecked() && !Option(0)->isChecked());
}

void OptionButtonsTest::storedWorkDicChoosesTheBase_data() {
  QTest::addColumn<int>("stored");
  QTest::addColumn<int>("bases");
  QTest::addColumn<int>("chosen");
  QTest::newRow("beyond the bases") << 5 << 3 << 0;
  QTest::newRow("second") << 1 << 2 << 1;
}

void OptionButtonsTest::storedWorkDicChoosesTheBase() {
  QFETCH(int, stored);
  QFETCH(int, bases);
  QFETCH(int, chosen);
  SetRegValue(world_->context.Store(), RegRoot::CurrentUser, kSettingsKey, "WorkDic",
              std::int32_t{stored}, kRegDwordType);
  for (int i = 0; i < bases; ++i)
    QVERIFY(world_->AddBase(i == 1 ? SecondBase() : test::EnglishBulgarianSample()));
  world_->Load(QStringLiteral("house"));
  QCOMPARE(WorkDic(), chosen);
  for (int i = 0; i < bases; ++i) QCOMPARE(Option(i)->isChecked(), i == chosen);
  QCOMPARE(Pane()->toPlainText(),
           chosen == 1 ? QStringLiteral("сграда") : QStringLiteral("къща; дом"));
}

void OptionButtonsTest::firstStartTakesTheInterfaceLanguagesPair_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<int>("chosen");
  QTest::newRow("German") << 3000 << 0;
  QTest::newRow("Italian, without a base: English") << 5000 << 1;
}

void OptionButtonsTest::firstStartTakesTheInterfaceLanguagesPair() {
  QFETCH(int, language);
  QFETCH(int, chosen);
  BaseSource german = SecondBase();
  german.names[1] = "German,Bulgarian";
  QVERIFY(world_->AddBase(german));
  QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
  world_->context.Language.LanguageOffset = language;
  world_->Load(QStringLiteral("house"));
  QCOMPARE(WorkDic(), chosen);
  QVERIFY(Option(chosen)->isChecked());
  QCOMPARE(Pane()->toPlainText(),
           chosen == 0 ? QStringLiteral("сграда") : QStringLiteral("къща; дом"));
}

void OptionButtonsTest::flagsFollowTheBaseIds() {
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

void OptionButtonsTest::workingBaseFlagStandsOut_data() {
  QTest::addColumn<QString>("scheme");
  for (const QString& name : SchemeNames()) QTest::newRow(qPrintable(name)) << name;
}

void OptionButtonsTest::workingBaseFlagStandsOut() {
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

QTEST_MAIN(vokabi::ui::OptionButtonsTest)
#include "option_buttons_test.moc"
