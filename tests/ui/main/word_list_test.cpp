#include "ui/main/word_list.h"

#include <QApplication>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>
#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/error_class.h"
#include "app/language.h"
#include "app/system_case_map.h"
#include "engine/make_crypto.h"
#include "platform/codepage.h"
#include "tests/support/base_files.h"
#include "tests/support/sample_base.h"
#include "tests/support/temp_folder.h"
#include "ui/controls/colour.h"
#include "ui/main/engine_text.h"

using namespace vokabi;
using namespace vokabi::ui;

namespace {

constexpr int kPerSide = 40;
constexpr int kH = WordList::kRowHeight;
constexpr int kLast = 2 * kPerSide - 1;

// Headword n of the generated base, in base order: side 1 ("aword00" …), then side 2 (Cyrillic).
std::string Headword(int n) {
  static const char* const kCyrillic[] = {"а", "б", "в", "г", "д", "е", "ж", "з", "и", "й",
                                          "к", "л", "м", "н", "о", "п", "р", "с", "т", "у"};
  const int i = n % kPerSide;
  const std::string number = (i < 10 ? "0" : "") + std::to_string(i);
  if (n < kPerSide) return std::string(1, static_cast<char>('a' + i / 2)) + "word" + number;
  return platform::EncodeCharset(204, std::string(kCyrillic[i / 2]) + "дума" + number).bytes;
}
QString Shown(int n) {
  return DecodeText(n < kPerSide ? 0 : 204, Headword(n));
}

BaseSource Generated() {
  BaseSource source;
  source.id = "enbgvk01";
  source.key = "word-list-key";
  for (int n = 0; n < kPerSide; ++n) {
    source.side1.push_back({Headword(n), platform::EncodeCharset(204, "превод").bytes});
    source.side2.push_back({Headword(kPerSide + n), "translation"});
  }
  return source;
}

// The main window as far as the word list sees it, with its bases in a folder of its own.
struct Host : WordListHost {
  Host() {
    window.resize(220, 200);
    list = new WordList(*this, errors, &window);
    list->setGeometry(10, 10, 200, WordList::kRows * kH);
    list->Dress(colours, QFont(QStringLiteral("DejaVu Sans"), 12));
    window.show();
  }
  bool Load(const BaseSource& source, const std::string& name) {
    dictionaries.push_back(
        std::make_unique<Dictionary>(crypto, errors, folder.Path(), SystemCaseMap));
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
  void SelectWordBoxText() override { ++selections; }
  void TranslateWordBox() override { translated.push_back(wordBox); }
  bool TranslateEntryAt(std::int32_t position, bool fillList) override {
    Dictionary& d = WorkingDictionary();
    if (!d.TranslateAt(position)) return false;
    ShowWordBox(d.Duma(), d.DumaCHSet());
    ShowPane(d.Prevod(), d.PrevodCHSet());
    if (fillList) list->FillWordList(workDic, d.PredniDumi(), d.Duma(), d.DumaCHSet());
    RecordRecent(d.Duma(), d.DumaCHSet(), workDic);
    SelectWordBoxText();
    return true;
  }
  const SchemeColours& Colours() const override { return colours; }

  InterfaceLanguage language = InterfaceLanguage::At(1000);
  ErrorClass errors{language};
  test::TempFolder folder;
  MakeCrypto crypto{errors};
  std::vector<std::unique_ptr<Dictionary>> dictionaries;
  std::size_t working = 0;
  int workDic = 0, paneCharset = -1, shows = 0, selections = 0;
  QString wordBox;
  std::string pane;
  std::vector<int> options;
  std::vector<std::string> recent;
  std::vector<QString> translated;
  SchemeColours colours = LookupSchemeColours(QStringLiteral("Blue sky"));
  QWidget window;
  WordList* list = nullptr;
};

// The visible label in a row, or -1.
int LabelAt(const WordList& list, int row) {
  for (int i = 0; i < WordList::kRows; ++i)
    if (list.Label(i)->y() == row * kH && list.Label(i)->isVisible()) return i;
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

// Headwords from `first` to the last of the base in rows from the top, the remaining rows empty.
QStringList Expected(int first) {
  QStringList rows;
  for (int row = 0; row < WordList::kRows; ++row)
    rows << (first + row <= kLast ? Shown(first + row) : QString());
  return rows;
}

// Label `label` alone carries the highlight.
bool OnlyHighlighted(const Host& host, int label) {
  if (host.list->HighlightedLabel() != label) return false;
  for (int i = 0; i < WordList::kRows; ++i) {
    const bool lit = host.list->Label(i)->palette().color(QPalette::Window) ==
                     ToQColor(host.colours.listHighlight);
    if (lit != (i == label)) return false;
  }
  return true;
}

// The generated base loaded and headword n looked up.
bool Ready(Host& host, int n) {
  return host.Load(Generated(), "gen.vkb") && host.Lookup(n);
}

void ClickRow(Host& host, int row) {
  const int label = LabelAt(*host.list, row);
  QVERIFY(label >= 0);
  QTest::mouseClick(host.list->Label(label), Qt::LeftButton);
}

}  // namespace

class WordListTest : public QObject {
  Q_OBJECT

 private slots:
  void wordIsHighlightedInTheMiddleOrWhereItStands() {
    Host host;
    QVERIFY(Ready(host, 10));
    QCOMPARE(Rows(*host.list), Expected(6));
    QVERIFY(OnlyHighlighted(host, 4));
    QCOMPARE(host.list->Label(4)->palette().color(QPalette::WindowText),
             ToQColor(host.colours.listBack));

    // Among the first five the equal label is highlighted, matched without regard to case.
    QVERIFY(host.Lookup(2));
    QCOMPARE(Rows(*host.list), Expected(0));
    QVERIFY(OnlyHighlighted(host, 2));
    host.list->FillWordList(0, 1, "CWORD04", 0);
    QVERIFY(OnlyHighlighted(host, 4));

    // A short list leaves the missing rows empty.
    QVERIFY(host.Lookup(kLast));
    QCOMPARE(Rows(*host.list), Expected(kLast - 4));
    for (int i = 5; i < WordList::kRows; ++i) QVERIFY(!host.list->Label(i)->isVisible());
    QCOMPARE(host.list->WordCharset(LabelAt(*host.list, 0)), 204);
  }

  void keysWalkTheHighlightThroughTheBase() {
    Host host;
    QVERIFY(Ready(host, 10));
    host.list->setFocus();
    QTRY_VERIFY(host.list->hasFocus());
    const int shows = host.shows;
    const auto press = [&](Qt::Key key) { QTest::keyClick(host.list, key); };

    press(Qt::Key_Down);
    QCOMPARE(Rows(*host.list), Expected(6));
    QVERIFY(OnlyHighlighted(host, 5));
    // Up to the top row, and one more scrolls the list by one headword.
    for (int i = 0; i < 5; ++i) press(Qt::Key_Up);
    QCOMPARE(Rows(*host.list), Expected(6));
    QVERIFY(OnlyHighlighted(host, 0));
    press(Qt::Key_Up);
    QCOMPARE(Rows(*host.list), Expected(5));
    QVERIFY(OnlyHighlighted(host, 0));
    press(Qt::Key_PageDown);
    QCOMPARE(Rows(*host.list), Expected(6));
    QVERIFY(OnlyHighlighted(host, 8));
    // The walk runs on from side 1 into side 2.
    for (int i = 0; i < 3; ++i) press(Qt::Key_PageDown);
    QCOMPARE(Rows(*host.list), Expected(kPerSide + 1 - 8));
    QVERIFY(OnlyHighlighted(host, 8));
    QCOMPARE(host.list->WordCharset(6), 0);
    QCOMPARE(host.list->WordCharset(7), 204);

    press(Qt::Key_Home);
    QCOMPARE(Rows(*host.list), Expected(0));
    QVERIFY(OnlyHighlighted(host, 0));
    press(Qt::Key_Up);
    press(Qt::Key_PageUp);
    QCOMPARE(Rows(*host.list), Expected(0));
    QVERIFY(OnlyHighlighted(host, 0));
    press(Qt::Key_End);
    QCOMPARE(Rows(*host.list), Expected(kLast - 8));
    QVERIFY(OnlyHighlighted(host, 8));
    press(Qt::Key_Down);
    QVERIFY(OnlyHighlighted(host, 8));
    press(Qt::Key_PageUp);
    QCOMPARE(Rows(*host.list), Expected(kLast - 9));
    QVERIFY(OnlyHighlighted(host, 0));
    // Walking looks nothing up; Enter translates the highlighted word as a click does.
    QCOMPARE(host.shows, shows);
    press(Qt::Key_Return);
    host.list->FinishScroll();
    QCOMPARE(host.wordBox, Shown(kLast - 9));
    QCOMPARE(host.recent.back(), Headword(kLast - 9));
    QCOMPARE(host.list->Label(host.list->HighlightedLabel())->text(), Shown(kLast - 9));

    // After the scroll that Enter started, the walk goes on from the word it translated.
    press(Qt::Key_Down);
    QCOMPARE(host.list->Label(host.list->HighlightedLabel())->text(), Shown(kLast - 8));
  }

  void theWheelScrollsTheListAndTheHighlightStaysOnItsWord() {
    Host host;
    QVERIFY(Ready(host, 10));
    const int shows = host.shows;
    const int lines = std::max(1, QApplication::wheelScrollLines());
    const auto turn = [&](int notches) {
      const QPointF at(20, 20);
      QWheelEvent wheel(at, host.list->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(host.list, &wheel);
    };
    turn(-1);  // toward the user: the headwords after
    QCOMPARE(Rows(*host.list), Expected(6 + lines));
    QCOMPARE(host.list->Label(host.list->HighlightedLabel())->text(), Shown(10));
    turn(5);
    QCOMPARE(Rows(*host.list), Expected(0));
    // A half notch does nothing until the other half comes.
    QWheelEvent half(QPointF(20, 20), host.list->mapToGlobal(QPointF(20, 20)), QPoint(),
                     QPoint(0, -60), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(host.list, &half);
    QCOMPARE(Rows(*host.list), Expected(0));
    QApplication::sendEvent(host.list, &half);
    QCOMPARE(Rows(*host.list), Expected(lines));
    QCOMPARE(host.shows, shows);
  }

  void suggestionsAreWalkedInPlace() {
    Host host;
    QVERIFY(host.Load(Generated(), "gen.vkb"));
    host.list->ShowSuggestions({Headword(3), Headword(30), Headword(12)}, 0);
    host.list->setFocus();
    QTRY_VERIFY(host.list->hasFocus());
    QVERIFY(OnlyHighlighted(host, 0));  // the focus lights the first
    QTest::keyClick(host.list, Qt::Key_End);
    QVERIFY(OnlyHighlighted(host, 2));
    QTest::keyClick(host.list, Qt::Key_Down);
    QVERIFY(OnlyHighlighted(host, 2));
    QTest::keyClick(host.list, Qt::Key_Up);
    QTest::keyClick(host.list, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(host.translated, std::vector<QString>{Shown(30)});
  }

  void longHeadwordsAreElidedWithTheWholeWordAsTooltip() {
    Host host;
    BaseSource source;
    source.id = "enbgvk01";
    source.key = "long-words";
    for (const char* word : {"a friend in need is a friend indeed", "house", "hut"})
      source.side1.push_back({word, platform::EncodeCharset(204, "превод").bytes});
    source.side2.push_back({platform::EncodeCharset(204, "дом").bytes, "house"});
    QVERIFY(host.Load(source, "long.vkb"));
    Dictionary& d = host.WorkingDictionary();
    QVERIFY(d.Translate("house"));
    host.list->FillWordList(0, d.PredniDumi(), d.Duma(), d.DumaCHSet());

    const QString whole = QStringLiteral("a friend in need is a friend indeed");
    QLabel* label = host.list->Label(0);
    QCOMPARE(label->toolTip(), whole);
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY(whole.startsWith(label->text().chopped(1)));
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
    QCOMPARE(host.list->Label(1)->text(), QStringLiteral("house"));
    QVERIFY(OnlyHighlighted(host, 1));
    // A click looks the whole headword up.
    QTest::mouseClick(label, Qt::LeftButton);
    host.list->FinishScroll();
    QCOMPARE(host.wordBox, whole);
    QCOMPARE(host.selections, 1);
  }

  void clickBelowTheMiddleScrollsItUpInFrames() {
    Host host;
    QVERIFY(Ready(host, 10));
    ClickRow(host, 6);
    QCOMPARE(host.wordBox, Shown(12));
    QCOMPARE(host.recent.back(), Headword(12));
    auto* timer = host.list->findChild<QTimer*>(QStringLiteral("ScrollTimer"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 20);  // the frame rate; wall-clock timing belongs to no test
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    // The first frame runs with the click, each further one 20 ms later.
    for (int i = 0; i < WordList::kRows; ++i) QCOMPARE(host.list->Label(i)->y(), i * kH - 2);
    QSignalSpy frames(timer, &QTimer::timeout);
    for (int frame = 2; frame <= 3; ++frame) {
      QVERIFY(frames.wait(1000));
      QCOMPARE(host.list->Label(6)->y(), 6 * kH - 2 * frame);
    }
    // A click in the middle of a scroll is ignored.
    QTest::mouseClick(host.list->Label(2), Qt::LeftButton);
    QCOMPARE(host.recent.size(), std::size_t{2});
    QTRY_VERIFY(!host.list->Scrolling());
    QCOMPARE(host.list->Label(6)->y(), 4 * kH);
    QCOMPARE(Rows(*host.list), Expected(8));
    QVERIFY(OnlyHighlighted(host, 6));

    // Further clicks, the labels now out of index order: below, above; a list from the first
    // headword puts the word in its own row, and only the highlight moves after; a short list
    // keeps its missing rows empty.
    // The word moves to the middle row, or to its own row, scrolling only when it is not there.
    for (const auto [lookup, row, first, word] :
         {std::array{-1, 8, 12, 16}, std::array{-1, 1, 9, 13}, std::array{6, 1, 0, 3},
          std::array{-1, 2, 0, 2}, std::array{kLast, 2, kLast - 6, kLast - 2},
          std::array{-1, 6, kLast - 4, kLast}}) {
      if (lookup >= 0) QVERIFY(host.Lookup(lookup));
      ClickRow(host, row);
      QCOMPARE(host.list->Scrolling(), row != word - first);
      host.list->FinishScroll();
      QCOMPARE(Rows(*host.list), Expected(first));
      const int lit = host.list->HighlightedLabel();
      QVERIFY(OnlyHighlighted(host, lit));
      QCOMPARE(host.list->Label(lit)->text(), Shown(word));
      QCOMPARE(host.list->Label(lit)->y(), (word - first) * kH);
    }
  }

  void clicksThatDoNotScroll() {
    Host host;
    QVERIFY(Ready(host, 10));
    // The shown middle word.
    const int shows = host.shows;
    host.errors.SetNomer(msg::kNotFound);
    ClickRow(host, 4);
    QCOMPARE(host.shows, shows);
    QCOMPARE(host.errors.Nomer(), msg::kNone);

    // With the word box edited, or the pane showing something else, the entry is put back.
    host.wordBox = QStringLiteral("typed");
    const std::string translation = host.pane;
    host.pane = "a message";
    ClickRow(host, 4);
    QCOMPARE(host.wordBox, Shown(10));
    QCOMPARE(host.pane, translation);
    QCOMPARE(host.shows, shows + 2);
    QCOMPARE(host.recent.size(), std::size_t{1});
    QCOMPARE(Rows(*host.list), Expected(6));

    QVERIFY(host.Load(test::EnglishBulgarianSample(), "enbg.vkb"));
    // The lookup fails in the working base: message 12, the list as it was.
    host.working = 1;
    ClickRow(host, 6);
    QCOMPARE(host.errors.Nomer(), msg::kListFromOtherBase);
    QCOMPARE(host.pane, host.errors.MsgByNomer(msg::kListFromOtherBase));
    QVERIFY(QString::fromStdString(host.pane).contains(QStringLiteral("other dictionary")));
    QCOMPARE(host.paneCharset, host.language.LanguageCharset);
    QCOMPARE(Rows(*host.list), Expected(6));
    QVERIFY(OnlyHighlighted(host, 4));

    // The list belongs to another base than the working one: that base is selected.
    host.working = 0;
    host.workDic = 1;
    ClickRow(host, 6);
    QCOMPARE(host.options, std::vector<int>{0});
    QCOMPARE(host.wordBox, Shown(12));
    QVERIFY(!host.list->Scrolling());
    QCOMPARE(host.recent.size(), std::size_t{1});
  }

  void suggestionsStandInPlaceOfTheNeighboursAndAreLookedUpAsTyped() {
    Host host;
    QVERIFY(Ready(host, 10));
    // After a scroll the labels are out of order; suggestions still read top down.
    ClickRow(host, 7);
    host.list->FinishScroll();
    const std::vector<std::string> close = {Headword(20), Headword(3)};
    host.list->ShowSuggestions(close, 0);
    QVERIFY(host.list->ShowsSuggestions());
    QStringList rows{Shown(20), Shown(3)};
    while (rows.size() < WordList::kRows) rows << QString();
    QCOMPARE(Rows(*host.list), rows);
    QVERIFY(OnlyHighlighted(host, -1));

    const std::size_t recent = host.recent.size();
    ClickRow(host, 1);
    QCOMPARE(host.wordBox, Shown(3));
    QCOMPARE(host.translated, std::vector<QString>{Shown(3)});
    QVERIFY(!host.list->Scrolling());
    QCOMPARE(host.recent.size(), recent);  // the translate action records it, not the list

    // Shown while another base was working: that base is chosen, which translates.
    host.workDic = 1;
    ClickRow(host, 0);
    QCOMPARE(host.options, std::vector<int>{0});
    QCOMPARE(host.translated.size(), std::size_t{1});

    // The next lookup brings the neighbours back.
    host.workDic = 0;
    QVERIFY(host.Lookup(10));
    QVERIFY(!host.list->ShowsSuggestions());
    QCOMPARE(Rows(*host.list), Expected(6));
    QVERIFY(OnlyHighlighted(host, 4));
  }
};

QTEST_MAIN(WordListTest)
#include "word_list_test.moc"
