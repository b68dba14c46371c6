// The about box opened from the lookup window: its lines, their gaps and the handbook line.
#include "ui/about/frm_about.h"

#include <QLabel>
#include <memory>

#include "app/version.h"
#include "platform/open_document.h"
#include "tests/ui/setup/dialog_world.h"

namespace vokabi::ui {

class FrmAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    world_ = std::make_unique<DialogWorld>();
    world_->app.Services.openDocument = [this](const QUrl& address) {
      opened_.push_back(address);
      return true;
    };
  }
  void cleanup() {
    world_.reset();
    opened_.clear();
  }

  void threeBasesGiveThreeCentredLabelsWithTheirGaps();
  void russianInterfaceTexts();
  void webLineColoursAndOpensTheHandbook();
  void closingRestoresTheWindowsBand();

 private:
  frmAbout* Open() { return world_->Open<frmAbout>("BtnAbout"); }
  frmAbout* Box() const { return world_->form->findChild<frmAbout*>(); }
  QLabel* Label(const QString& name) const { return Box()->findChild<QLabel*>(name); }
  QColor TextColour(QLabel* label) const { return label->palette().color(QPalette::WindowText); }
  void LoadBases(int count) {
    for (int i = 0; i < count; ++i) QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
    world_->Load(QStringLiteral("0"));
    QVERIFY(Open() != nullptr);
  }

  std::unique_ptr<DialogWorld> world_;
  std::vector<QUrl> opened_;
};

void FrmAboutTest::threeBasesGiveThreeCentredLabelsWithTheirGaps() {
  LoadBases(3);
  frmAbout* box = Box();
  QCOMPARE(box->windowModality(), Qt::WindowModal);
  QCOMPARE(Label("lblVersion")->text(), QStringLiteral("version : %1.%2%3")
                                            .arg(kVersionMajor)
                                            .arg(kVersionMinor)
                                            .arg(kVersionRevision));
  QCOMPARE(Label("LblInstaled")->text(), QStringLiteral("Installed dictionaries :"));
  const Dictionary& base = *world_->app.Dictionaries[0];
  const QString caption = QStringLiteral("English %1 words.\r\nBulgarian %2 words.")
                              .arg(base.BroiDumi1())
                              .arg(base.BroiDumi2());
  QCOMPARE(frmAbout::BaseCaption(world_->context.Language, base), caption);
  QVERIFY(Label(QStringLiteral("lblDic_3")) == nullptr);

  const auto below = [](QWidget* upper, QWidget* lower) {
    return lower->y() - (upper->y() + upper->height());
  };
  QCOMPARE(below(Label("ImageLogo"), Label("lblVersion")), 15);
  QCOMPARE(below(Label("lblVersion"), Label("LblInstaled")), 3);
  QCOMPARE(below(Label("LblInstaled"), Label("lblDic_0")), 5);
  QLabel* previous = Label("lblDic_0");
  for (int i = 0; i < 3; ++i) {
    QLabel* label = Label(QStringLiteral("lblDic_%1").arg(i));
    QCOMPARE(label->text(), caption);
    if (i > 0) QCOMPARE(below(previous, label), 3);
    previous = label;
  }
  QCOMPARE(below(previous, Label("LblHome")), 15);
  for (QLabel* label : box->findChildren<QLabel*>())
    QCOMPARE(label->x(), (box->width() - label->width()) / 2);
  auto* ok = box->findChild<Button*>("BtnOk");
  QCOMPARE(ok->Caption(), QStringLiteral("Ok"));
  QVERIFY(ok->y() > Label("LblHome")->geometry().bottom());
  QCOMPARE(box->height() - (ok->y() + ok->height()), 12);
}

void FrmAboutTest::russianInterfaceTexts() {
  world_->context.Language.LanguageOffset = 6000;
  world_->context.Language.LanguageCharset = 204;
  LoadBases(1);
  QCOMPARE(Label("LblInstaled")->text(), QStringLiteral("Установленные словари :"));
  const Dictionary& base = *world_->app.Dictionaries[0];
  QCOMPARE(Label("lblDic_0")->text(), QStringLiteral("Английский %1 слов.\r\nБолгарский %2 слов.")
                                          .arg(base.BroiDumi1())
                                          .arg(base.BroiDumi2()));
  QVERIFY(Label("lblVersion")->text().startsWith(QStringLiteral("версия : ")));
  QCOMPARE(Box()->findChild<Button*>("BtnOk")->Caption(), QStringLiteral("Ок"));
  QCOMPARE(Box()->findChild<Button*>("BtnClose")->toolTip(), QStringLiteral("закрыть"));
}

void FrmAboutTest::webLineColoursAndOpensTheHandbook() {
  LoadBases(1);
  QLabel* home = Label("LblHome");
  QCOMPARE(home->text(), QStringLiteral("More at www.vokabi.net"));
  const QColor schemeText = ToQColor(world_->app.Colours.schemeText);
  QCOMPARE(TextColour(home), schemeText);
  // Green's text is black: hovering turns it blue, leaving turns it back.
  QMouseEvent hover(QEvent::MouseMove, QPointF(4, 4), home->mapToGlobal(QPointF(4, 4)),
                    Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(home, &hover);
  QCOMPARE(TextColour(home), ToQColor(0xFF0000));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(home, &leave);
  QCOMPARE(TextColour(home), schemeText);

  QTest::mousePress(home, Qt::LeftButton, {}, QPoint(4, 4));
  QCOMPARE(TextColour(home), ToQColor(0x0000FF));
  QVERIFY(opened_.empty());
  QTest::mouseRelease(home, Qt::LeftButton, {}, QPoint(4, 4));
  QCOMPARE(TextColour(home), schemeText);
  QCOMPARE(opened_.size(), std::size_t{1});
  QCOMPARE(opened_[0], QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                           QStringLiteral("/handbook.html")));
  // A press that ends off the line opens nothing.
  QTest::mousePress(home, Qt::LeftButton, {}, QPoint(4, 4));
  QTest::mouseRelease(home, Qt::LeftButton, {}, QPoint(-20, -20));
  QCOMPARE(opened_.size(), std::size_t{1});
}

void FrmAboutTest::closingRestoresTheWindowsBand() {
  world_->context.AppSettings.AlwaysOnTop = true;
  QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
  world_->Load(QStringLiteral("0"));
  Form1& form = *world_->form;
  QVERIFY(Open() != nullptr);
  QVERIFY(!form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  DialogWorld::Click(Box()->findChild<Button*>("BtnClose"));
  QTRY_VERIFY(Box() == nullptr);
  QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  // The tray menu opens it too.
  form.findChild<QAction*>("mnuAbout")->trigger();
  QVERIFY(Box() != nullptr);
  DialogWorld::Click(Box()->findChild<Button*>("BtnOk"));
  QTRY_VERIFY(Box() == nullptr);
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::FrmAboutTest)
#include "frm_about_test.moc"
