#include "ui/main/command_row.h"

#include <QFontMetrics>
#include <numeric>

namespace vokabi::ui {

namespace {

// Room beside a caption for the button's bevel and the pressed caption's shift.
constexpr int kCaptionPadding = 10;
// Below this a caption is no longer readable; the row then shares its width evenly.
constexpr double kSmallestPoints = 6.0;
constexpr double kPointStep = 0.5;

std::vector<int> Needs(const QStringList& captions, const QFont& font) {
  const QFontMetrics metrics(font);
  std::vector<int> needs;
  for (const QString& caption : captions)
    needs.push_back(metrics.boundingRect(QRect(), Qt::TextShowMnemonic, caption).width() +
                    kCaptionPadding);
  return needs;
}

}  // namespace

CommandRow PlanCommandRow(const QStringList& captions, const QFont& font, int rowWidth, int gap) {
  const int count = static_cast<int>(captions.size());
  CommandRow row{std::vector<int>(static_cast<std::size_t>(count)), font};
  if (count == 0) return row;
  const int room = rowWidth - gap * (count - 1);
  const double points = font.pointSizeF() > 0 ? font.pointSizeF() : kSmallestPoints;
  for (double size = points; size >= kSmallestPoints; size -= kPointStep) {
    if (font.pointSizeF() > 0) row.font.setPointSizeF(size);
    const std::vector<int> needs = Needs(captions, row.font);
    const int needed = std::accumulate(needs.begin(), needs.end(), 0);
    if (needed > room && size - kPointStep >= kSmallestPoints) continue;
    if (needed > room) break;
    const int spare = room - needed;
    for (int i = 0; i < count; ++i)
      row.widths[static_cast<std::size_t>(i)] =
          needs[static_cast<std::size_t>(i)] + spare / count + (i < spare % count ? 1 : 0);
    return row;
  }
  for (int i = 0; i < count; ++i)
    row.widths[static_cast<std::size_t>(i)] = room / count + (i < room % count ? 1 : 0);
  return row;
}

}  // namespace vokabi::ui
