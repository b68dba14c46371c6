#include "ui/main/print_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "app/version.h"

namespace vokabi::ui {

namespace {

// Page positions are in twips from the printable area's top-left.
constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;
constexpr int kRuleWidthDots = 4;
constexpr int kRuleInset = 300;
constexpr int kUpperRuleY = 350;
constexpr int kLowerRuleY = 700;
constexpr int kProductX = 600;
constexpr int kProductY = 400;
constexpr int kLabelX = 500;
constexpr int kWordY = 1000;
constexpr int kTranslationY = 1400;
constexpr int kPoints = 12;
// The right margin the wrap keeps free: the width of this text.
constexpr const char* kMarginText = "ZZZZZZ";

// The printer's pen as the page is written: a current position that printed text moves on, and
// a line break that returns to the left edge.
class PageWriter {
 public:
  PageWriter(QPainter& painter, double dotsPerInch) : painter_(painter), dotsPerInch_(dotsPerInch) {
    QFont font = painter_.font();
    font.setPointSize(kPoints);
    painter_.setFont(font);
  }

  void SetBold(bool bold) {
    QFont font = painter_.font();
    font.setBold(bold);
    painter_.setFont(font);
  }
  void MoveTo(double x, double y) {
    x_ = x;
    y_ = y;
  }
  double X() const { return x_; }

  // Width of a text in the current font, in twips.
  double Width(const QString& text) const { return Metrics().horizontalAdvance(text) / Scale(); }

  // Prints text with its top at the current position, which moves to the text's end.
  void Print(const QString& text) {
    const QFontMetricsF metrics = Metrics();
    painter_.drawText(QPointF(x_ * Scale(), y_ * Scale() + metrics.ascent()), text);
    x_ += metrics.horizontalAdvance(text) / Scale();
  }
  void LineBreak() {
    x_ = 0;
    y_ += Metrics().lineSpacing() / Scale();
  }
  void Rule(double x1, double x2, double y) {
    painter_.setPen(QPen(Qt::black, kRuleWidthDots));
    painter_.drawLine(QPointF(x1 * Scale(), y * Scale()), QPointF(x2 * Scale(), y * Scale()));
  }

 private:
  double Scale() const { return dotsPerInch_ / kTwipsPerInch; }
  QFontMetricsF Metrics() const { return QFontMetricsF(painter_.font(), painter_.device()); }

  QPainter& painter_;
  double dotsPerInch_;
  double x_ = 0;
  double y_ = 0;
};

// The translation, split at every space; each piece is followed by one space, so two spaces in
// a row print as two. A piece that would reach into the right margin starts a new line, unless
// the line is still empty: a piece wider than the line is printed anyway, once.
void PrintWrapped(PageWriter& page, const QString& translation, double pageWidth) {
  const double limit = pageWidth - page.Width(QString::fromLatin1(kMarginText));
  QString rest = translation;
  rest.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  while (!rest.isEmpty()) {
    const qsizetype space = rest.indexOf(QLatin1Char(' '));
    const QString token = space < 0 ? rest : rest.left(space);
    rest = space < 0 ? QString() : rest.mid(space + 1);
    // A line break inside the translation is one on paper too.
    const QStringList lines = token.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) page.LineBreak();
      if (page.X() > 0 && page.X() + page.Width(lines[i]) > limit) page.LineBreak();
      page.Print(i + 1 == lines.size() ? lines[i] + QLatin1Char(' ') : lines[i]);
    }
  }
}

}  // namespace

QString ProductLine(const QString& text57) {
  return text57 +
         QStringLiteral("%1.%2%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

bool PrintPage(QPrinter& printer, const PrintedTexts& texts) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double pageWidth =
      printer.pageLayout().fullRect(QPageLayout::Point).width() * kTwipsPerPoint;
  PageWriter page(painter, printer.resolution());

  page.Rule(kRuleInset, pageWidth - kRuleInset, kUpperRuleY);
  page.MoveTo(kProductX, kProductY);
  page.Print(texts.productLine);
  page.LineBreak();
  page.Rule(kRuleInset, pageWidth - kRuleInset, kLowerRuleY);

  page.SetBold(true);
  page.MoveTo(kLabelX, kWordY);
  const double wordLabel = std::round(page.Width(texts.wordLabel));
  page.Print(texts.wordLabel);
  page.MoveTo(wordLabel + kLabelX, kWordY);
  page.SetBold(false);
  page.Print(texts.word);

  page.MoveTo(kLabelX, kTranslationY);
  page.SetBold(true);
  const double translationLabel = std::round(page.Width(texts.translationLabel));
  page.Print(texts.translationLabel);
  page.SetBold(false);
  page.MoveTo(translationLabel + kLabelX, kTranslationY);
  PrintWrapped(page, texts.translation, pageWidth);

  return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace vokabi::ui
