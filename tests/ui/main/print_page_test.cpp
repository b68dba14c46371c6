// The printed page as Qt's own PDF output gives it, read back with poppler: what is printed, in
// which order and where, in twips from the printable area's top-left (20 twips to the point).
#include "ui/main/print_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/version.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/main/pdf_page.h"

namespace vokabi::ui {

namespace {

using test::PdfWord;

constexpr double kTwipsPerPoint = 20;
// pdftotext boxes a word by its font's ascent, Qt places it by its own; they differ a little.
constexpr double kTopSlack = 2.0;
constexpr double kLeftSlack = 0.5;

PrintedTexts English(const QString& word, const QString& translation) {
  return {QStringLiteral("Word : "), QStringLiteral("Translated to : "),
          ProductLine(QStringLiteral("Vokabi ® ")), word, translation};
}

struct Printed {
  std::vector<PdfWord> words;
  QPointF origin;     // the printable area's top-left, in points
  double width = 0;   // of the paper, in points
  double margin = 0;  // the width of "ZZZZZZ" in the translation's font, in points
  double lineSpacing = 0;
  QString file;
};

const PdfWord* Find(const Printed& page, const QString& text) {
  for (const PdfWord& word : page.words) {
    if (word.text == text) return &word;
  }
  return nullptr;
}

// The words grouped into lines by their tops, top to bottom.
std::vector<std::vector<PdfWord>> Lines(const std::vector<PdfWord>& words) {
  std::vector<std::vector<PdfWord>> lines;
  for (const PdfWord& word : words) {
    if (lines.empty() || std::abs(lines.back().front().yMin - word.yMin) > 1) lines.emplace_back();
    lines.back().push_back(word);
  }
  return lines;
}

bool Dark(const QImage& picture, double x, double y) {
  for (int dy = -1; dy <= 1; ++dy) {
    if (qGray(picture.pixel(int(x), int(std::lround(y)) + dy)) < 128) return true;
  }
  return false;
}

}  // namespace

class PrintPageTest : public QObject {
  Q_OBJECT

 private slots:
  void pageCarriesProductLineRulesLabelsAndEntry();
  void translationWrapsWordByWordAndContinuesAtTheLeftEdge();
  void twoSpacesPrintAsTwo();
  void lineBreaksStartNewLinesAtTheLeftEdge();
  void tokenWiderThanTheLineIsPrintedOnce();
  void emptyWordStillPrintsThePage();
  void printerThatCannotStartFails();

 private:
  Printed Print(const PrintedTexts& texts) {
    Printed page;
    page.file = QString::fromStdString((folder_.Path() / "page.pdf").string());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(page.file);
    if (!PrintPage(printer, texts)) {
      qWarning("the page was not printed");
      return page;
    }
    page.origin = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
    page.width = printer.pageLayout().fullRect(QPageLayout::Point).width();
    QFont font;
    font.setPointSize(12);
    const QFontMetricsF metrics(font, &printer);
    page.margin = metrics.horizontalAdvance(QStringLiteral("ZZZZZZ")) * 72 / printer.resolution();
    page.lineSpacing = metrics.lineSpacing() * 72 / printer.resolution();
    page.words = test::PdfWords(page.file);
    return page;
  }
  // Where a word must start, given in twips from the printable area.
  static void At(const Printed& page, const PdfWord* word, double xTwips, double yTwips) {
    QVERIFY(word != nullptr);
    QVERIFY2(std::abs(word->xMin - page.origin.x() - xTwips / kTwipsPerPoint) < kLeftSlack,
             qPrintable(word->text + QStringLiteral(" x %1").arg(word->xMin)));
    QVERIFY2(std::abs(word->yMin - page.origin.y() - yTwips / kTwipsPerPoint) < kTopSlack,
             qPrintable(word->text + QStringLiteral(" y %1").arg(word->yMin)));
  }

  test::TempFolder folder_;
};

void PrintPageTest::pageCarriesProductLineRulesLabelsAndEntry() {
  const Printed page = Print(English(QStringLiteral("house"), QStringLiteral("къща; дом")));
  const QString version =
      QStringLiteral("%1.%2%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
  QStringList texts;
  for (const PdfWord& word : page.words) texts << word.text;
  QCOMPARE(texts,
           QStringList({QStringLiteral("Vokabi"), QStringLiteral("®"), version,
                        QStringLiteral("Word"), QStringLiteral(":"), QStringLiteral("house"),
                        QStringLiteral("Translated"), QStringLiteral("to"), QStringLiteral(":"),
                        QStringLiteral("къща;"), QStringLiteral("дом")}));
  QCOMPARE(test::PdfPages(page.file), 1);

  At(page, Find(page, QStringLiteral("Vokabi")), 600, 400);
  At(page, Find(page, QStringLiteral("Word")), 500, 1000);
  At(page, Find(page, QStringLiteral("Translated")), 500, 1400);
  // The word and the translation follow their labels on the same line.
  const PdfWord& colon = page.words[4];
  const PdfWord& house = page.words[5];
  QVERIFY(house.xMin > colon.xMax && house.xMin < colon.xMax + 6);
  QVERIFY(std::abs(house.yMin - colon.yMin) < 1);
  const PdfWord& colon2 = page.words[8];
  const PdfWord& kashta = page.words[9];
  QVERIFY(kashta.xMin > colon2.xMax && kashta.xMin < colon2.xMax + 6);
  QVERIFY(std::abs(kashta.yMin - colon2.yMin) < 1);

  // Two rules, 300 twips in from either side, at 350 and 700, the product line between them.
  const QImage picture =
      test::PdfPicture(page.file, QString::fromStdString((folder_.Path() / "page").string()));
  QVERIFY(!picture.isNull());
  const double left = page.origin.x() + 15;
  for (const double y : {page.origin.y() + 17.5, page.origin.y() + 35}) {
    QVERIFY2(Dark(picture, left + 1, y), qPrintable(QString::number(y)));
    QVERIFY(Dark(picture, page.width / 2, y));
    QVERIFY(Dark(picture, std::min(page.origin.x() + page.width - 16, page.width - 1), y));
    QVERIFY(!Dark(picture, left - 3, y));
  }
  QVERIFY(!Dark(picture, page.width / 2, page.origin.y() + 12));
  const PdfWord* product = Find(page, QStringLiteral("Vokabi"));
  QVERIFY(product->yMin > page.origin.y() + 17.5 && product->yMax < page.origin.y() + 35);
}

void PrintPageTest::translationWrapsWordByWordAndContinuesAtTheLeftEdge() {
  QStringList tokens;
  for (int i = 0; i < 60; ++i) tokens << QStringLiteral("дума%1").arg(i);
  const Printed page = Print(English(QStringLiteral("word"), tokens.join(QLatin1Char(' '))));
  const auto lines = Lines(page.words);
  // Product line, word line, then at least three lines of translation.
  QVERIFY(lines.size() >= 5);
  QCOMPARE(lines[2].front().text, QStringLiteral("Translated"));
  const double limit = page.origin.x() + page.width - page.margin;
  int printed = 0;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    const std::vector<PdfWord>& line = lines[i];
    if (i > 2) {
      // Continuation lines start at the left edge, one line below the other.
      QVERIFY(std::abs(line.front().xMin - page.origin.x()) < kLeftSlack);
      QVERIFY(std::abs(line.front().yMin - lines[i - 1].front().yMin - page.lineSpacing) < 0.5);
    }
    QVERIFY2(line.back().xMax <= limit, qPrintable(line.back().text));
    // The first word of the next line would have reached into the margin.
    if (i + 1 < lines.size()) {
      const PdfWord& next = lines[i + 1].front();
      const double gap = line[line.size() - 1].xMin - line[line.size() - 2].xMax;
      QVERIFY(line.back().xMax + gap + (next.xMax - next.xMin) > limit);
    }
    for (const PdfWord& word : line) {
      if (word.text.startsWith(QStringLiteral("дума"))) {
        QCOMPARE(word.text, QStringLiteral("дума%1").arg(printed));
        ++printed;
      }
    }
  }
  QCOMPARE(printed, 60);
}

void PrintPageTest::twoSpacesPrintAsTwo() {
  const Printed page = Print(English(QStringLiteral("house"), QStringLiteral("къща дом  сграда")));
  const PdfWord* one = Find(page, QStringLiteral("къща"));
  const PdfWord* two = Find(page, QStringLiteral("дом"));
  const PdfWord* three = Find(page, QStringLiteral("сграда"));
  QVERIFY(one && two && three);
  const double single = two->xMin - one->xMax;
  const double twice = three->xMin - two->xMax;
  QVERIFY2(std::abs(twice - 2 * single) < 0.5,
           qPrintable(QStringLiteral("%1 %2").arg(single).arg(twice)));
}

// FreeDict articles put their senses on lines of their own, with Windows or Unix line breaks.
void PrintPageTest::lineBreaksStartNewLinesAtTheLeftEdge() {
  const Printed page = Print(
      English(QStringLiteral("house"), QStringLiteral("1. къща\r\n2. дом сграда\n\n3. жилище")));
  const PdfWord* first = Find(page, QStringLiteral("къща"));
  const PdfWord* second = Find(page, QStringLiteral("2."));
  const PdfWord* rest = Find(page, QStringLiteral("сграда"));
  const PdfWord* third = Find(page, QStringLiteral("3."));
  QVERIFY(first && second && rest && third);
  QVERIFY(std::abs(second->xMin - page.origin.x()) < kLeftSlack);
  QVERIFY(std::abs(second->yMin - first->yMin - page.lineSpacing) < 0.5);
  // The line goes on after the break as any other.
  QVERIFY(std::abs(rest->yMin - second->yMin) < 1 && rest->xMin > second->xMax);
  // An empty line stays one.
  QVERIFY(std::abs(third->xMin - page.origin.x()) < kLeftSlack);
  QVERIFY(std::abs(third->yMin - second->yMin - 2 * page.lineSpacing) < 0.5);
}

void PrintPageTest::tokenWiderThanTheLineIsPrintedOnce() {
  const Printed page = Print(English(QStringLiteral("house"), QString(150, QLatin1Char('x'))));
  const PdfWord* label = Find(page, QStringLiteral("Translated"));
  // pdftotext reads it up to the paper's edge.
  const PdfWord* token = &page.words.back();
  QVERIFY(label != nullptr && token->text.startsWith(QStringLiteral("xxxxxxxxxx")));
  // It does not fit after the label: the next line, at the left edge, with no empty line between.
  QVERIFY(std::abs(token->xMin - page.origin.x()) < kLeftSlack);
  QVERIFY(std::abs(token->yMin - label->yMin - page.lineSpacing) < 0.5);
  // And it runs past the margin.
  QVERIFY(token->xMax > page.origin.x() + page.width - page.margin);
  QCOMPARE(test::PdfPages(page.file), 1);
}

void PrintPageTest::emptyWordStillPrintsThePage() {
  const Printed page = Print(English(QString(), QStringLiteral("дърво")));
  QStringList texts;
  for (const PdfWord& word : page.words) texts << word.text;
  QCOMPARE(texts.mid(3),
           QStringList({QStringLiteral("Word"), QStringLiteral(":"), QStringLiteral("Translated"),
                        QStringLiteral("to"), QStringLiteral(":"), QStringLiteral("дърво")}));
}

void PrintPageTest::printerThatCannotStartFails() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(
      QString::fromStdString((folder_.Path() / "missing" / "page.pdf").string()));
  QVERIFY(!PrintPage(printer, English(QStringLiteral("house"), QStringLiteral("къща"))));
}

}  // namespace vokabi::ui

QTEST_MAIN(vokabi::ui::PrintPageTest)
#include "print_page_test.moc"
