#pragma once

// A printed page read back with poppler: the words with their boxes (pdftotext -bbox), and the
// page as a picture for the rules (pdftoppm), both in points from the paper's top-left.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <vector>

namespace vokabi::test {

struct PdfWord {
  QString text;
  double xMin = 0;
  double yMin = 0;
  double xMax = 0;
  double yMax = 0;
};

// The words of the first page in reading order; empty when pdftotext fails.
inline std::vector<PdfWord> PdfWords(const QString& pdf) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                   QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return {};
  const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
  static const QRegularExpression word(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  std::vector<PdfWord> words;
  for (const QRegularExpressionMatch& match : word.globalMatch(html)) {
    QString text = match.captured(5);
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    words.push_back({text, match.captured(1).toDouble(), match.captured(2).toDouble(),
                     match.captured(3).toDouble(), match.captured(4).toDouble()});
  }
  return words;
}

// The number of pages; 0 when pdfinfo fails.
inline int PdfPages(const QString& pdf) {
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
  if (!pdfinfo.waitForFinished(30000)) return 0;
  static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
  return pages.match(QString::fromUtf8(pdfinfo.readAllStandardOutput())).captured(1).toInt();
}

// The first page in grey at one pixel per point.
inline QImage PdfPicture(const QString& pdf, const QString& stem) {
  QProcess pdftoppm;
  pdftoppm.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("72"),
                  QStringLiteral("-singlefile"), pdf, stem});
  if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0) return {};
  return QImage(stem + QStringLiteral(".pgm"));
}

}  // namespace vokabi::test
