#include "ui/main/word_list.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/error_class.h"
#include "app/language.h"
#include "engine/make_crypto.h"
#include "platform/case_map.h"
#include "platform/codepage.h"
#include "tests/support/base_files.h"
#include "tests/support/sample_base.h"
#include "tests/support/temp_folder.h"
#include "ui/controls/colour.h"
#include "ui/main/text_edge.h"

using namespace vokabi;
using namespace vokabi::ui;

namespace {

constexpr int kPerSide = 40;
constexpr int kH = WordList::kRowHeight;

// Headword n of the generated base, in base order: side 1 ("aword00" …), then side 2 (Cyrillic).
std::string Headword(int n) {
  static const char* const kCyrillic[] = {"а", "б", "в", "г", "д", "е", "ж", "з", "и", "й",
                                          "к", "л", "м", "н", "о", "п", "р", "с", "т", "у"};
  const int i = n % kPerSide;
  const std::string number = (i < 10 ? "0" : "") + std::to_string(i);
  if (n < kPerSide) return std::string(1, static_cast<char>('a' + i / 2)) + "word" + number;
  return platform::EncodeCharset(204, std::string(kCyrillic[i / 2]) + "дума" + number).bytes;
}
int Charset(int n) {
  return n < kPerSide ? 0 : 204;
}
QString Shown(int n) {
  return DecodeText(Charset(n), Headword(n));
}

BaseSource Generated() {
  BaseSource source;
  source.id = "enbgvk01";
  source.key = "word-list-key";
  for (int n = 0; n < 2 * kPerSide; ++n) {
    const std::string translation =
        n < kPerSide ? platform::EncodeCharset(204, "превод").bytes : std::string("translation");
    (n < kPerSide ? source.side1 : source.side2).push_back({Headword(n), translation});
  }
  return source;
}

// The main window as far as the word list sees it, with its bases in a folder of its own.
struct Host : WordListHost {
  Host() {
    window.resize(220, 200);
    list = new WordList(*this, &window);
    list->setGeometry(10, 10, 200, WordList::kRows * kH);
    list->Dress(colours, QFont(QStringLiteral("DejaVu Sans"), 12));
    window.show();
  }
  bool Load(const BaseSource& source, const std::string& name) {
    dictionaries.push_back(
        std::make_unique<Dictionary>(crypto, AppError, folder.Path(), platform::CaseMapForCharset));
    return test::WriteBase(folder / name, source) && dictionaries.back()->Initialize(name);
  }
  // The translate action and ShowTranslation as the window runs them.
  bool Lookup(int n) {
    Dictionary& d = WorkingDictionary();
    if (!d.Translate(Headword(n))) return false;
    ShowWordBox(d.Duma(), d.DumaCHSet());
    ShowPane(d.Prevod(), d.PrevodCHSet());
    list->FillWordList(workDic, d.PredniDumi(), d.Duma(), d.DumaCHSet());
    RecordRecent(d.Duma(), d.DumaCHSet(), workDic);
    return true;
  }

  Dictionary& WorkingDictionary() override { return *dictionaries.at(working); }
  int WorkDic() const override { return workDic; }
  QString WordBoxText() const override { return wordBox; }
  void ShowWordBox(const std::string& bytes, int charset) override {
    wordBox = DecodeText(charset, bytes);
    ++shows;
  }
  void ShowPane(const std::string& bytes, int charset) override {
    pane = bytes;
    paneCharset = charset;
    ++shows;
  }
  const std::string& PaneBytes() const override { return pane; }
  void SelectOption(int index) override { options.push_back(index); }
  void RecordRecent(const std::string& word, int, int) override { recent.push_back(word); }
  const SchemeColours& Colours() const override { return colours; }

  test::TempFolder folder;
  MakeCrypto crypto{AppError};
  std::vector<std::unique_ptr<Dictionary>> dictionaries;
  std::size_t working = 0;
  int workDic = 0;
  QString wordBox;
  std::string pane;
  int paneCharset = -1;
  int shows = 0;
  std::vector<int> options;
  std::vector<std::string> recent;
  SchemeColours colours = LookupSchemeColours(QStringLiteral("Blue sky"));
  QWidget window;
  WordList* list = nullptr;
};

// The visible label in a row, or -1.
int LabelAt(const WordList& list, int row) {
  for (int i = 0; i < WordList::kRows; ++i) {
    if (list.Label(i)->y() == row * kH && list.Label(i)->isVisible()) return i;
  }
  return -1;
}

// What the nine rows show, top down; "" for an empty row.
QStringList Rows(const WordList& list) {
  QStringList rows;
  for (int row = 0; row < WordList::kRows; ++row) {
    const int i = LabelAt(list, row);
    rows << (i < 0 ? QString() : list.Label(i)->text());
  }
  return rows;
}

// Headwords first … last of the base in rows from the top, the remaining rows empty.
QStringList Expected(int first, int last) {
  QStringList rows;
  for (int row = 0; row < WordList::kRows; ++row) {
    rows << (first + row <= last ? Shown(first + row) : QString());
  }
  return rows;
}

bool Highlighted(const Host& host, int label) {
  return host.list->Label(label)->palette().color(QPalette::Window) ==
         ToQColor(host.colours.listHighlight);
}

int HighlightCount(const Host& host) {
  int count = 0;
  for (int i = 0; i < WordList::kRows; ++i) count += Highlighted(host, i) ? 1 : 0;
  return count;
}

void ClickRow(Host& host, int row) {
  const int label = LabelAt(*host.list, row);
  QVERIFY(label >= 0);
  QTest::mouseClick(host.list->Label(label), Qt::LeftButton);
}

constexpr int kLast = 2 * kPerSide - 1;

}  // namespace

class WordListTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    LanguageOffset = 1000;
    LanguageCharset = 0;
  }

  void wordDeepInTheBaseIsHighlightedInTheMiddle() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Lookup(10));
    QCOMPARE(Rows(*host.list), Expected(6, kLast));
    QCOMPARE(host.list->HighlightedLabel(), 4);
    QVERIFY(Highlighted(host, 4));
    QCOMPARE(HighlightCount(host), 1);
    QCOMPARE(host.list->Label(4)->palette().color(QPalette::WindowText),
             ToQColor(host.colours.listBack));
    QCOMPARE(host.list->Label(0)->x(), 1);
    QCOMPARE(host.list->Label(8)->property("Tag").toString(), QStringLiteral("0"));
  }

  void wordAmongTheFirstFiveIsHighlightedWhereItStands() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Lookup(2));
    QCOMPARE(Rows(*host.list), Expected(0, kLast));
    QCOMPARE(host.list->HighlightedLabel(), 2);
    QVERIFY(Highlighted(host, 2));
    QCOMPARE(HighlightCount(host), 1);
    // The word is matched without regard to case.
    host.list->FillWordList(0, 1, "CWORD04", 0);
    QCOMPARE(host.list->HighlightedLabel(), 4);
    QVERIFY(Highlighted(host, 4));
  }

  void clickingTheShownMiddleWordDoesNothing() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Lookup(10));
    const int shows = host.shows;
    AppError.SetNomer(5);
    ClickRow(host, 4);
    QCOMPARE(host.shows, shows);
    QCOMPARE(host.recent.size(), std::size_t{1});
    QVERIFY(!host.list->Scrolling());
    QCOMPARE(AppError.Nomer(), 0);

    // With the word box edited, the same click only puts the entry back.
    host.wordBox = QStringLiteral("typed");
    ClickRow(host, 4);
    QCOMPARE(host.wordBox, Shown(10));
    QCOMPARE(host.shows, shows + 2);
    // Likewise when the pane shows something else.
    const std::string translation = host.pane;
    host.pane = "a message";
    ClickRow(host, 4);
    QCOMPARE(host.pane, translation);
    QCOMPARE(host.shows, shows + 4);
    QCOMPARE(host.recent.size(), std::size_t{1});
    QCOMPARE(Rows(*host.list), Expected(6, kLast));
  }

  void clickBelowTheMiddleScrollsItUp() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Lookup(10));
    ClickRow(host, 6);
    QCOMPARE(host.wordBox, Shown(12));
    QCOMPARE(host.recent.back(), Headword(12));
    QVERIFY(host.list->Scrolling());
    QTRY_VERIFY(!host.list->Scrolling());
    QCOMPARE(host.list->Label(6)->y(), 4 * kH);
    QCOMPARE(Rows(*host.list), Expected(8, kLast));
    QCOMPARE(host.list->HighlightedLabel(), 6);
    QVERIFY(Highlighted(host, 6));
    QCOMPARE(HighlightCount(host), 1);

    // The rows stay whole through a second scroll, the labels now out of index order.
    ClickRow(host, 8);
    host.list->FinishScroll();
    QCOMPARE(Rows(*host.list), Expected(12, kLast));
    QCOMPARE(host.list->Label(host.list->HighlightedLabel())->text(), Shown(16));
    QCOMPARE(host.list->Label(host.list->HighlightedLabel())->y(), 4 * kH);
  }

  void clickAboveTheMiddleScrollsItDown() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Lookup(20));  // rows show 16 … 24
    ClickRow(host, 1);
    host.list->FinishScroll();
    QCOMPARE(host.list->Label(1)->y(), 4 * kH);
    QCOMPARE(Rows(*host.list), Expected(13, kLast));
    QCOMPARE(host.list->HighlightedLabel(), 1);
    QCOMPARE(HighlightCount(host), 1);
  }

  void listFromTheFirstHeadwordMovesTheWordToItsOwnRow() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Lookup(6));  // rows show 2 … 10
    ClickRow(host, 1);        // 3, whose list starts at the first headword
    host.list->FinishScroll();
    QCOMPARE(Rows(*host.list), Expected(0, kLast));
    QCOMPARE(host.list->Label(host.list->HighlightedLabel())->y(), 3 * kH);

    // Already in its row: the highlight moves, the list does not.
    ClickRow(host, 2);
    QVERIFY(!host.list->Scrolling());
    QCOMPARE(Rows(*host.list), Expected(0, kLast));
    QCOMPARE(host.list->Label(host.list->HighlightedLabel())->y(), 2 * kH);
    QCOMPARE(HighlightCount(host), 1);
  }

  void shortListKeepsMissingRowsEmptyWhileScrolling() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Lookup(kLast));
    QCOMPARE(Rows(*host.list), Expected(kLast - 4, kLast));
    for (int i = 5; i < WordList::kRows; ++i) QVERIFY(!host.list->Label(i)->isVisible());

    ClickRow(host, 2);
    host.list->FinishScroll();
    QCOMPARE(Rows(*host.list), Expected(kLast - 6, kLast));
    QCOMPARE(host.list->WordCharset(LabelAt(*host.list, 0)), 204);

    ClickRow(host, 6);
    host.list->FinishScroll();
    QCOMPARE(Rows(*host.list), Expected(kLast - 4, kLast));
  }

  void listOfAnotherBaseSwitchesToIt() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Lookup(10));
    host.workDic = 1;
    ClickRow(host, 6);
    QCOMPARE(host.options, std::vector<int>{0});
    QCOMPARE(host.wordBox, Shown(12));
    QVERIFY(!host.list->Scrolling());
    QVERIFY(host.recent.size() == 1);
  }

  void failedLookupShowsMessage12AndKeepsTheList() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Load(test::EnglishBulgarianSample(), "enbg.vkb"));
    QVERIFY(host.Lookup(10));
    host.working = 1;
    ClickRow(host, 6);
    QCOMPARE(AppError.Nomer(), 12);
    QCOMPARE(host.pane, AppError.MsgByNomer(12));
    QVERIFY(QString::fromStdString(host.pane).contains(QStringLiteral("other dictionary")));
    QCOMPARE(host.paneCharset, LanguageCharset);
    QVERIFY(!host.list->Scrolling());
    QCOMPARE(Rows(*host.list), Expected(6, kLast));
    QCOMPARE(host.list->HighlightedLabel(), 4);
    QVERIFY(Highlighted(host, 4));
  }

  void framesMoveTwoUnitsTwentyMillisecondsApart() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Lookup(10));
    ClickRow(host, 6);
    QElapsedTimer clock;
    clock.start();
    auto* timer = host.list->findChild<QTimer*>(QStringLiteral("ScrollTimer"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 20);
    // The first frame runs with the click.
    for (int i = 0; i < WordList::kRows; ++i) QCOMPARE(host.list->Label(i)->y(), i * kH - 2);

    QSignalSpy frames(timer, &QTimer::timeout);
    QVERIFY(frames.wait(1000));
    QVERIFY(clock.elapsed() >= 19);
    QCOMPARE(host.list->Label(6)->y(), 6 * kH - 4);
    clock.restart();
    QVERIFY(frames.wait(1000));
    QVERIFY(clock.elapsed() >= 19);
    QCOMPARE(host.list->Label(6)->y(), 6 * kH - 6);

    // A click in the middle of a scroll is ignored.
    QTest::mouseClick(host.list->Label(2), Qt::LeftButton);
    QCOMPARE(host.recent.size(), std::size_t{2});
    host.list->FinishScroll();
    QCOMPARE(Rows(*host.list), Expected(8, kLast));
  }

  void dressingKeepsTheHighlight() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    QVERIFY(host.Lookup(10));
    const SchemeColours silver = LookupSchemeColours(QStringLiteral("Silver"));
    QVERIFY(silver.listBack != host.colours.listBack);
    host.list->Dress(silver, QFont(QStringLiteral("DejaVu Serif"), 14, QFont::Bold));
    QVERIFY(Highlighted(host, 4));
    QCOMPARE(host.list->Label(4)->palette().color(QPalette::WindowText), ToQColor(silver.listBack));
    QCOMPARE(host.list->Label(0)->palette().color(QPalette::Window), ToQColor(silver.listBack));
    QCOMPARE(host.list->Label(0)->font().pointSize(), 14);
    QVERIFY(!host.list->Label(0)->font().bold());
    QCOMPARE(Rows(*host.list), Expected(6, kLast));
  }
};

QTEST_MAIN(WordListTest)
#include "word_list_test.moc"
