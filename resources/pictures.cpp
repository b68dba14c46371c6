#include "resources/pictures.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vokabi::ui {

namespace {

constexpr int kFlagWidth = 24;
constexpr int kFlagHeight = 16;
constexpr int kOtherFlag = 108;

// Stripes of equal or weighted size across (vertical) or down (horizontal) the flag.
struct Stripe {
  QColor colour;
  int weight;
};

void DrawStripes(QPainter& painter, std::initializer_list<Stripe> stripes, bool vertical) {
  int total = 0;
  for (const Stripe& stripe : stripes) total += stripe.weight;
  const int length = vertical ? kFlagWidth : kFlagHeight;
  int done = 0;
  for (const Stripe& stripe : stripes) {
    const int from = done * length / total;
    done += stripe.weight;
    const int to = done * length / total;
    if (vertical)
      painter.fillRect(from, 0, to - from, kFlagHeight, stripe.colour);
    else
      painter.fillRect(0, from, kFlagWidth, to - from, stripe.colour);
  }
}

void DrawUnionFlag(QPainter& painter) {
  const QColor blue(1, 33, 105);
  const QColor red(200, 16, 46);
  painter.fillRect(0, 0, kFlagWidth, kFlagHeight, blue);
  painter.setRenderHint(QPainter::Antialiasing);
  const QLineF diagonal1(0, 0, kFlagWidth, kFlagHeight);
  const QLineF diagonal2(0, kFlagHeight, kFlagWidth, 0);
  painter.setPen(QPen(Qt::white, 3.2));
  painter.drawLine(diagonal1);
  painter.drawLine(diagonal2);
  painter.setPen(QPen(red, 1.1));
  painter.drawLine(diagonal1);
  painter.drawLine(diagonal2);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(kFlagWidth / 2 - 3, 0, 6, kFlagHeight, Qt::white);
  painter.fillRect(0, kFlagHeight / 2 - 3, kFlagWidth, 6, Qt::white);
  painter.fillRect(kFlagWidth / 2 - 2, 0, 4, kFlagHeight, red);
  painter.fillRect(0, kFlagHeight / 2 - 2, kFlagWidth, 4, red);
}

// A plain globe for a language without its own flag.
void DrawGlobe(QPainter& painter) {
  painter.fillRect(0, 0, kFlagWidth, kFlagHeight, QColor(214, 222, 232));
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF globe(kFlagWidth / 2.0 - 6.5, 1.5, 13, 13);
  painter.setPen(QPen(QColor(30, 80, 150), 1.0));
  painter.setBrush(QColor(120, 170, 225));
  painter.drawEllipse(globe);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(globe.adjusted(3.5, 0, -3.5, 0));
  painter.drawLine(QPointF(globe.center().x(), globe.top()),
                   QPointF(globe.center().x(), globe.bottom()));
  painter.drawLine(QPointF(globe.left(), globe.center().y()),
                   QPointF(globe.right(), globe.center().y()));
}

QPixmap DrawFlag(int resource) {
  QPixmap flag(kFlagWidth, kFlagHeight);
  flag.fill(Qt::white);
  QPainter painter(&flag);
  switch (resource) {
    case 102:
      DrawUnionFlag(painter);
      break;
    case 103:
      DrawStripes(painter, {{QColor(0, 85, 164), 1}, {Qt::white, 1}, {QColor(239, 65, 53), 1}},
                  true);
      break;
    case 104:
      DrawStripes(painter, {{Qt::black, 1}, {QColor(221, 0, 0), 1}, {QColor(255, 206, 0), 1}},
                  false);
      break;
    case 105:
      DrawStripes(painter,
                  {{QColor(170, 21, 27), 1}, {QColor(241, 191, 0), 2}, {QColor(170, 21, 27), 1}},
                  false);
      break;
    case 106:
      DrawStripes(painter, {{QColor(0, 146, 70), 1}, {Qt::white, 1}, {QColor(206, 43, 55), 1}},
                  true);
      break;
    case 107:
      DrawStripes(painter, {{Qt::white, 1}, {QColor(0, 57, 166), 1}, {QColor(213, 43, 30), 1}},
                  false);
      break;
    default:
      DrawGlobe(painter);
      break;
  }
  // A thin frame keeps white stripes apart from a light window.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(0, 0, kFlagWidth - 1, kFlagHeight - 1);
  return flag;
}

QPixmap DrawIcon(int size) {
  QPixmap icon(size, size);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawBook(painter, size);
  return icon;
}

}  // namespace

void DrawBook(QPainter& painter, int size) {
  painter.save();
  painter.scale(size / 32.0, size / 32.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kBookCover);
  painter.drawRoundedRect(QRectF(1, 7, 30, 22), 2, 2);
  painter.setPen(QPen(QColor(60, 60, 70), 1.0));
  painter.setBrush(QColor(250, 248, 238));
  painter.drawPolygon(QPolygonF({{3, 6}, {15.5, 8}, {15.5, 27}, {3, 25}}));
  painter.drawPolygon(QPolygonF({{29, 6}, {16.5, 8}, {16.5, 27}, {29, 25}}));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(20);
  painter.setFont(font);
  painter.setPen(kBookLetter);
  painter.drawText(QRectF(0, 5, 32, 24), Qt::AlignCenter, QStringLiteral("V"));
  painter.restore();
}

QPixmap FlagBitmap(int resource) {
  if (resource < 102 || resource > kOtherFlag) resource = kOtherFlag;
  static QHash<int, QPixmap> flags;
  auto found = flags.constFind(resource);
  if (found == flags.constEnd()) found = flags.insert(resource, DrawFlag(resource));
  return *found;
}

QIcon ProgramIcon() {
  static const QIcon icon = [] {
    QIcon drawn;
    for (int size : {16, 24, 32, 48, 64}) drawn.addPixmap(DrawIcon(size));
    return drawn;
  }();
  return icon;
}

}  // namespace vokabi::ui
