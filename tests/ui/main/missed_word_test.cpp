// The lookup window answering words the base lacks: inflected forms through their base forms from
// the system's Hunspell dictionaries, typing mistakes with close headwords in the word list.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

#include "app/base_forms.h"
#include "app/companion_writer.h"
#include "app/companions.h"
#include "platform/spelling_folders.h"
#include "tests/ui/main/window_world.h"
#include "ui/main/word_list.h"

namespace vokabi::ui {

class MissedWordTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    world_ = std::make_unique<World>();
    world_->app.Forms = std::make_unique<BaseForms>(platform::SpellingFolders({}));
    for (const char* language : {"en", "bg"}) {
      if (!world_->app.Forms->Knows(language))
        QFAIL(qPrintable(QStringLiteral("no Hunspell dictionary for %1; scripts/packages.sh "
                                        "installs them")
                             .arg(QLatin1String(language))));
    }
    QVERIFY(world_->AddBase(test::EnglishBulgarianSample()));
    world_->Load(QStringLiteral("0"));
  }
  void cleanup() { world_.reset(); }

  void inflectedFormsShowTheirBaseFormsEntry() {
    Translate(QStringLiteral("houses"));
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("houses \u2192 house\nкъща; дом"));
    // What the program keeps of the pane, and prints, is the translation alone.
    QCOMPARE(world_->form->PaneBytes(), platform::EncodeCharset(204, "къща; дом").bytes);
    QCOMPARE(world_->Combo()->itemText(0), QStringLiteral("house"));
    QCOMPARE(List()->Label(List()->HighlightedLabel())->text(), QStringLiteral("house"));

    Translate(QStringLiteral("къщата"));
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("къща"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("къщата \u2192 къща\nhouse"));
    // A word found as typed has no such line.
    Translate(QStringLiteral("home"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("дом; у дома"));
  }

  void typingMistakesListCloseHeadwordsToClick() {
    Translate(QStringLiteral("door"));
    Translate(QStringLiteral("hosue"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("Entered word/phrase not found."));
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("hosue"));
    QVERIFY(List()->ShowsSuggestions());
    QCOMPARE(List()->Label(0)->text(), QStringLiteral("house"));
    QVERIFY(List()->Label(1)->isVisible());
    QCOMPARE(List()->Label(1)->text(), QStringLiteral("home"));
    QVERIFY(!List()->Label(2)->isVisible());

    QTest::mouseClick(List()->Label(0), Qt::LeftButton);
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("house"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("къща; дом"));
    QVERIFY(!List()->ShowsSuggestions());
    QCOMPARE(List()->Label(List()->HighlightedLabel())->text(), QStringLiteral("house"));
    QCOMPARE(world_->Combo()->itemText(0), QStringLiteral("house"));

    // Nothing close: the list keeps what it showed.
    Translate(QStringLiteral("qzxjvq"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("Entered word/phrase not found."));
    QVERIFY(!List()->ShowsSuggestions());
    QCOMPARE(List()->Label(List()->HighlightedLabel())->text(), QStringLiteral("house"));
  }

  void theCompanionFileChangesNoAnswer() {
    CompanionReport report;
    std::string error;
    QVERIFY2(WriteCompanion(world_->bases / "base0.vkb", &report, &error), error.c_str());
    const QStringList words = {
        QStringLiteral("houses"), QStringLiteral("къщата"),  QStringLiteral("hosue"),
        QStringLiteral("HOUSE"),  QStringLiteral("Houses."), QStringLiteral("qzxjvq"),
        QStringLiteral("къшта"),  QStringLiteral("cats"),    QStringLiteral("+++"),
        QStringLiteral("hoem"),   QStringLiteral("zebras"),  QStringLiteral("ябълките")};
    // The window's answer: the word box, the pane and the word list.
    const auto answers = [&] {
      QStringList shown;
      for (const QString& word : words) {
        Translate(word);
        shown << world_->Combo()->currentText() << world_->Pane()->toPlainText();
        for (int i = 0; i < 9 && List()->Label(i)->isVisible(); ++i)
          shown << List()->Label(i)->text();
      }
      return shown;
    };
    const QStringList without = answers();
    world_->app.BaseCompanions =
        std::make_unique<Companions>(platform::SpellingFolders(world_->bases.Path()));
    QCOMPARE(answers(), without);
    QVERIFY(world_->app.BaseCompanions->For(*world_->app.Dictionaries[0]).headwords != nullptr);
  }

  void completionWhileTypingNeverSuggests() {
    QTest::keyClicks(world_->Combo(), QStringLiteral("hosu"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("Word could not be completed."));
    QVERIFY(!List()->ShowsSuggestions());
  }

  void anUndecipherableTranslationIsAFailure() {
    // A base whose last body of side 1 ("zebra", the last headword) is damaged.
    BaseSource source;
    source.id = "enbgvk01";
    source.key = "damaged";
    source.side1 = {{"apple", platform::EncodeCharset(204, "ябълка").bytes},
                    {"zebra", platform::EncodeCharset(204, "зебра").bytes}};
    source.side2 = {{platform::EncodeCharset(204, "ябълка").bytes, "apple"}};
    BaseImage image;
    QVERIFY(test::BuildImage(source, &image));
    image.region1.back() = static_cast<char>(image.region1.back() ^ 0x5a);
    world_.reset();  // its end restores the settings the next one starts from
    world_ = std::make_unique<World>();
    QVERIFY(test::WriteImage(world_->bases / "damaged.vkb", image));
    world_->app.Dictionaries.push_back(std::make_unique<Dictionary>(
        *world_->app.AppCrypto, world_->context.AppError, world_->bases.Path(), SystemCaseMap));
    QVERIFY(world_->app.Dictionaries.back()->Initialize("damaged.vkb"));
    world_->Load(QStringLiteral("0"));

    Translate(QStringLiteral("apple"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("ябълка"));
    Translate(QStringLiteral("zebra"));
    QCOMPARE(world_->Pane()->toPlainText(), QStringLiteral("Missing dictionary file."));
    QCOMPARE(world_->Combo()->currentText(), QStringLiteral("zebra"));
    QCOMPARE(world_->Combo()->count(), 1);  // only apple was found
  }

 private:
  WordList* List() const {
    return world_->form->findChild<WordList*>(QStringLiteral("PictureLAB"));
  }
  void Translate(const QString& text) {
    world_->Combo()->setEditText(text);
    QTest::keyClick(world_->Combo(), Qt::Key_Return);
  }

  std::unique_ptr<World> world_;
};

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::MissedWordTest)
#include "missed_word_test.moc"
