// The on-screen keyboards, driven through the window's controls.
#include "ui/main/keyboard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <utility>

#include "tests/ui/main/window_world.h"

namespace vokabi::ui {

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { world_ = std::make_unique<World>(); }
  void cleanup() { world_.reset(); }

  void startStateFromTheSettings();
  void stripsStackInOpeningOrder();
  void keysEnterTheirLetterAndCharset();
  void keyReplacesTheSelectionTheBoxHadLast();
  void keysTypeAWordToTranslate();

 private:
  Form1& Form() const { return *world_->form; }
  QComboBox* Combo() const { return Form().findChild<QComboBox*>("Combo1"); }
  QPlainTextEdit* Pane() const { return Form().findChild<QPlainTextEdit*>("Text2"); }
  QWidget* Strip(const char* name) const { return Form().findChild<QWidget*>(name); }
  void Click(const char* name) {
    QTest::mouseClick(Form().findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
  }
  void ClickKey(int index) {
    auto* key = Form().findChild<QWidget*>(QStringLiteral("Image1_%1").arg(index));
    QVERIFY(key != nullptr && key->isVisible());
    QTest::mouseClick(key, Qt::LeftButton);
  }
  void Translate(const QString& text) {
    Combo()->setEditText(text);
    QTest::keyClick(Combo(), Qt::Key_Return);
  }
  void LoadOneBase() {
    QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
    world_->Load(QStringLiteral("0"));
  }

  std::unique_ptr<World> world_;
};

void KeyboardTest::startStateFromTheSettings() {
  struct Row {
    bool cyr, lat;
    int height, cyrTop, latTop;  // -1: the strip is hidden
  };
  for (const Row& row : {Row{false, false, 323, -1, -1}, Row{true, false, 388, 323, -1},
                         Row{false, true, 388, -1, 323}, Row{true, true, 453, 323, 388}}) {
    world_.reset();
    world_ = std::make_unique<World>();
    world_->context.AppSettings.CyrKeyboard = row.cyr;
    world_->context.AppSettings.LatKeyboard = row.lat;
    LoadOneBase();
    QCOMPARE(Form().height(), row.height);
    QCOMPARE(Strip("PicCyr")->isVisible() ? Strip("PicCyr")->y() : -1, row.cyrTop);
    QCOMPARE(Strip("PicLat")->isVisible() ? Strip("PicLat")->y() : -1, row.latTop);
  }
}

void KeyboardTest::stripsStackInOpeningOrder() {
  LoadOneBase();
  Click("BtnLat");
  Click("BtnCyr");
  QCOMPARE(Form().height(), 453);
  QCOMPARE(Strip("PicLat")->y(), 323);
  QCOMPARE(Strip("PicCyr")->y(), 388);

  Click("BtnCloseLat");
  QCOMPARE(Form().height(), 388);
  QVERIFY(!Strip("PicLat")->isVisible());
  QCOMPARE(Strip("PicCyr")->y(), 323);
  QVERIFY(world_->context.AppSettings.CyrKeyboard && !world_->context.AppSettings.LatKeyboard);

  Click("BtnLat");
  QCOMPARE(Strip("PicLat")->y(), 388);
  Click("BtnCyr");
  QCOMPARE(Strip("PicLat")->y(), 323);
  Click("BtnCloseLat");
  QCOMPARE(Form().height(), 323);
  QVERIFY(!world_->context.AppSettings.CyrKeyboard && !world_->context.AppSettings.LatKeyboard);
}

void KeyboardTest::keysEnterTheirLetterAndCharset() {
  world_->context.AppSettings.CompleteWord = false;
  world_->context.AppSettings.CyrKeyboard = world_->context.AppSettings.LatKeyboard = true;
  LoadOneBase();
  const std::pair<int, const char*> keys[] = {{0, "а"},  {31, "я"}, {32, "ё"}, {33, "à"}, {40, "ç"},
                                              {55, "ö"}, {56, "ù"}, {62, "ÿ"}, {63, "œ"}};
  for (const auto& [key, letter] : keys) {
    const int charset = key < 33 ? 204 : 0;
    Combo()->setEditText(QStringLiteral("x"));
    Combo()->setProperty("charset", 204 - charset);
    ClickKey(key);
    QCOMPARE(Combo()->currentText(), QStringLiteral("x") + QString::fromUtf8(letter));
    QCOMPARE(Combo()->property("charset").toInt(), charset);
    // Each strip holds its own alphabet.
    const char* strip = key < kFirstLatinKey ? "PicCyr" : "PicLat";
    QCOMPARE(Form().findChild<QWidget*>(QStringLiteral("Image1_%1").arg(key))->parent(),
             Strip(strip));
  }
}

void KeyboardTest::keyReplacesTheSelectionTheBoxHadLast() {
  world_->context.AppSettings.CompleteWord = false;
  world_->context.AppSettings.LatKeyboard = true;
  LoadOneBase();
  Combo()->setEditText(QStringLiteral("facade"));
  Combo()->lineEdit()->setSelection(2, 1);
  QTest::mouseClick(Pane()->viewport(), Qt::LeftButton);
  QTRY_COMPARE(Form().focusWidget(), static_cast<QWidget*>(Pane()));
  Combo()->lineEdit()->setCursorPosition(0);
  ClickKey(40);
  QCOMPARE(Combo()->currentText(), QStringLiteral("façade"));
  // Completion off: nothing else happens.
  QVERIFY(Pane()->toPlainText().isEmpty());
  ClickKey(41);
  QCOMPARE(Combo()->currentText(), QStringLiteral("façèade"));
}

void KeyboardTest::keysTypeAWordToTranslate() {
  LoadOneBase();
  Click("BtnCyr");
  Combo()->setFocus();
  ClickKey(10);  // к
  QVERIFY(Combo()->currentText().startsWith(QStringLiteral("к")));
  QCOMPARE(Combo()->lineEdit()->selectionStart(), 1);
  for (int key : {26, 25, 0}) ClickKey(key);  // ъ щ а
  QCOMPARE(Combo()->currentText(), QStringLiteral("къща"));
  QTest::keyClick(Combo(), Qt::Key_Return);
  QCOMPARE(Pane()->toPlainText(), QStringLiteral("house"));
  QCOMPARE(Combo()->itemText(0), QStringLiteral("къща"));
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::KeyboardTest)
#include "keyboard_test.moc"
