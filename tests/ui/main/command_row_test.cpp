// How the command buttons share their row, at the font they are given and when it is too wide.
#include "ui/main/command_row.h"

#include <QFontMetrics>
#include <QtTest>
#include <numeric>

using namespace vokabi::ui;

namespace {

const QStringList kCaptions = {QStringLiteral("Предишна"), QStringLiteral("Следваща"),
                               QStringLiteral("Einstellungen"), QStringLiteral("OK")};
constexpr int kGap = 5;

int Width(const QString& caption, const QFont& font) {
  return QFontMetrics(font).boundingRect(QRect(), Qt::TextShowMnemonic, caption).width();
}

}  // namespace

class CommandRowTest : public QObject {
  Q_OBJECT

 private slots:
  void widthsFollowTheCaptionsAndFillTheRow() {
    const QFont font(QStringLiteral("Arial"), 10);
    const CommandRow row = PlanCommandRow(kCaptions, font, 436, kGap);
    QCOMPARE(row.font, font);
    QCOMPARE(static_cast<int>(row.widths.size()), 4);
    QCOMPARE(std::accumulate(row.widths.begin(), row.widths.end(), 0) + 3 * kGap, 436);
    for (int i = 0; i < 4; ++i) QVERIFY(row.widths[i] > Width(kCaptions[i], font));
    // The long caption gets the wide button; the spare is shared evenly, within a pixel.
    QVERIFY(row.widths[2] > row.widths[0] && row.widths[0] > row.widths[3]);
    const int spare0 = row.widths[0] - Width(kCaptions[0], font);
    const int spare3 = row.widths[3] - Width(kCaptions[3], font);
    QVERIFY(std::abs(spare0 - spare3) <= 1);
  }

  void aNarrowRowTakesASmallerFont() {
    const QFont font(QStringLiteral("Arial"), 10);
    const int room = 230;
    const CommandRow row = PlanCommandRow(kCaptions, font, room, kGap);
    QVERIFY(row.font.pointSizeF() < font.pointSizeF());
    QCOMPARE(row.font.family(), font.family());
    QCOMPARE(std::accumulate(row.widths.begin(), row.widths.end(), 0) + 3 * kGap, room);
    for (int i = 0; i < 4; ++i) QVERIFY(row.widths[i] > Width(kCaptions[i], row.font));
    // Where even the smallest font cannot fit, the row is shared evenly.
    const CommandRow tiny = PlanCommandRow(kCaptions, font, 43, kGap);
    QCOMPARE(tiny.widths, (std::vector<int>{7, 7, 7, 7}));
  }
};

QTEST_MAIN(CommandRowTest)
#include "command_row_test.moc"
