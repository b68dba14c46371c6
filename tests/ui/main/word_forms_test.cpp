// Completion while typing, with default settings and the system's Hunspell dictionaries: a
// fragment is completed, a whole word form is left as typed and shows its base form's article.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <initializer_list>
#include <memory>
#include <string>

#include "app/base_forms.h"
#include "platform/spelling_folders.h"
#include "tests/ui/main/window_world.h"

namespace vokabi::ui {

namespace {

std::string Cyr(const char* utf8) {
  return platform::EncodeCharset(204, utf8).bytes;
}

// The sample with "къщичка" (cottage), which "къщи" begins.
BaseSource EnglishBulgarian() {
  BaseSource source = test::EnglishBulgarianSample();
  source.side2.push_back({Cyr("къщичка"), "cottage"});
  return source;
}

// "case" begins "caseario". Debian's Italian Hunspell dictionary derives it from "caso" alone
// (its entry "caso" makes "casa" and "case" as feminine forms), so that is its base form here.
BaseSource ItalianBulgarian() {
  BaseSource source;
  source.id = "itbgvk01";
  source.key = "italian";
  source.side1 = {{"casa", Cyr("къща")},
                  {"caseario", Cyr("млечен")},
                  {"caso", Cyr("случай; падеж")},
                  {"cosa", Cyr("нещо")}};
  source.side2 = {{Cyr("къща"), "casa"}, {Cyr("нещо"), "cosa"}};
  return source;
}

}  // namespace

class WordFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { world_.reset(); }

  void aWordFormIsNotCompletedAndShowsItsBaseForm() {
    Start(EnglishBulgarian(), {"en", "bg"});
    Type(QStringLiteral("къщи"));
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("къщи"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("къщи \u2192 къща\nhouse"));
    QTest::keyClick(world_->Combo(), Qt::Key_Return);
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("къща"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("къщи \u2192 къща\nhouse"));

    Type(QStringLiteral("houses"));
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("houses"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("houses \u2192 house\nкъща; дом"));
    QTest::keyClick(world_->Combo(), Qt::Key_Return);
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
  }

  void fragmentsAndHeadwordsCompleteAsBefore() {
    Start(EnglishBulgarian(), {"en", "bg"});
    Type(QStringLiteral("hous"));
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
    QCOMPARE(world_->Combo()->lineEdit()->selectedText(), QStringLiteral("e"));
    QTest::keyClick(world_->Combo(), Qt::Key_Return);
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("къща; дом"));

    Type(QStringLiteral("къщ"));
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("къща"));
    QTest::keyClick(world_->Combo(), Qt::Key_Return);
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("house"));

    Type(QStringLiteral("house"));
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
  }

  void anItalianFormIsNotCompleted() {
    Start(ItalianBulgarian(), {"it", "bg"});
    Type(QStringLiteral("case"));
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("case"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("case \u2192 caso\nслучай; падеж"));
    QTest::keyClick(world_->Combo(), Qt::Key_Return);
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("caso"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("case \u2192 caso\nслучай; падеж"));
  }

 private:
  // The window over the base with default settings, once its Hunspell dictionaries are read.
  void Start(const BaseSource& base, std::initializer_list<const char*> languages) {
    world_ = std::make_unique<World>();
    world_->app.Forms = std::make_unique<BaseForms>(platform::SpellingFolders({}));
    QVERIFY(world_->AddBase(base));
    world_->Load(QStringLiteral("0"));
    for (const char* language : languages) {
      QTRY_VERIFY2(world_->app.Forms->OfIfLoaded(language, "x").has_value(),
                   "no Hunspell dictionary read; scripts/packages.sh installs them");
    }
  }
  // Key by key, as a keyboard with the letters would type them (keyClicks knows Latin-1 only).
  void Type(const QString& text) {
    world_->Combo()->setEditText(QString());
    for (const QChar letter : text) {
      QTest::sendKeyEvent(QTest::Click, world_->Combo(),
                          static_cast<Qt::Key>(letter.toUpper().unicode()), QString(letter),
                          Qt::NoModifier);
    }
  }

  std::unique_ptr<World> world_;
};

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::WordFormsTest)
#include "word_forms_test.moc"
