// The lookup window over a base whose two sides write alike (Russian-Bulgarian): a word on both
// sides shows both articles, and a word of the list is translated on its own side.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

#include "tests/ui/main/window_world.h"
#include "ui/main/word_list.h"

namespace vokabi::ui {

namespace {

std::string Cyr(const char* utf8) {
  return platform::EncodeCharset(204, utf8).bytes;
}

const QString kBoth =
    QStringLiteral("Bulgarian \u2192 Russian\nстул\n\nRussian \u2192 Bulgarian\nмаса");

}  // namespace

class SameLettersTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    world_ = std::make_unique<World>();
    QVERIFY(world_->AddBase(test::RussianBulgarianSample()));
    world_->Load(QStringLiteral("0"));
  }
  void cleanup() { world_.reset(); }

  void aWordOnBothSidesShowsBothArticlesUnderTheirDirections() {
    Translate(QStringLiteral("стол"));
    // The search finds the Bulgarian word first, as before; the Russian article follows.
    QCOMPARE(Pane()->toPlainText(), kBoth);
    QCOMPARE(Combo()->currentText(), QStringLiteral("стол"));
    QCOMPARE(Combo()->count(), 1);
    // The word and its translation for the list and the print button's test stay the first.
    QCOMPARE(world_->form->PaneBytes(), Cyr("стул"));

    // In the interface language.
    world_->context.Language.LanguageOffset = 0;
    world_->context.Language.LanguageCharset = 204;
    Translate(QStringLiteral("стол"));
    QCOMPARE(Pane()->toPlainText().section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("Български \u2192 Руски"));
  }

  void aWordOnOneSideIsAnsweredAsBefore() {
    Translate(QStringLiteral("собака"));
    QCOMPARE(Pane()->toPlainText(), QStringLiteral("куче"));
  }

  void aClickedWordIsTranslatedOnItsOwnSide() {
    Translate(QStringLiteral("собака"));
    // Rows: собака, стол (Russian), куче, стол (Bulgarian).
    QCOMPARE(List()->Label(1)->text(), QStringLiteral("стол"));
    QCOMPARE(List()->Label(3)->text(), QStringLiteral("стол"));
    QTest::mouseClick(List()->Label(1), Qt::LeftButton);
    QCOMPARE(Combo()->currentText(), QStringLiteral("стол"));
    QCOMPARE(Pane()->toPlainText(), QStringLiteral("Russian \u2192 Bulgarian\nмаса\n\n"
                                                   "Bulgarian \u2192 Russian\nстул"));
    QTRY_VERIFY(!List()->Scrolling());
    QCOMPARE(List()->Label(List()->HighlightedLabel())->y(), 1 * WordList::kRowHeight);

    // The other "стол" is the other entry, not the current one again.
    QTest::mouseClick(List()->Label(3), Qt::LeftButton);
    QCOMPARE(Pane()->toPlainText(), kBoth);
    QTRY_VERIFY(!List()->Scrolling());
    QCOMPARE(List()->HighlightedLabel(), 3);
  }

 private:
  QComboBox* Combo() const { return world_->form->findChild<QComboBox*>(QStringLiteral("Combo1")); }
  QPlainTextEdit* Pane() const {
    return world_->form->findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
  }
  WordList* List() const {
    return world_->form->findChild<WordList*>(QStringLiteral("PictureLAB"));
  }
  void Translate(const QString& text) {
    Combo()->setEditText(text);
    QTest::keyClick(Combo(), Qt::Key_Return);
  }

  std::unique_ptr<World> world_;
};

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::SameLettersTest)
#include "same_letters_test.moc"
