#include "ui/about/about_logo.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace vokabi::ui {

namespace {

constexpr int kHeight = 64;
constexpr int kBaseline = 46;
// Room for the white edge after the last letter.
constexpr int kEdge = 4;

const QColor kCover(30, 90, 160);
const QColor kPage(250, 248, 238);
const QColor kLine(60, 60, 70);
const QColor kLetter(190, 30, 45);

// The book of the program's icon, drawn on a 32-unit square scaled to size.
void DrawBook(QPainter& painter, int size) {
  painter.save();
  painter.scale(size / 32.0, size / 32.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kCover);
  painter.drawRoundedRect(QRectF(1, 7, 30, 22), 2, 2);
  painter.setPen(QPen(kLine, 1.0));
  painter.setBrush(kPage);
  painter.drawPolygon(QPolygonF({{3, 6}, {15.5, 8}, {15.5, 27}, {3, 25}}));
  painter.drawPolygon(QPolygonF({{29, 6}, {16.5, 8}, {16.5, 27}, {29, 25}}));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(20);
  painter.setFont(font);
  painter.setPen(kLetter);
  painter.drawText(QRectF(0, 5, 32, 24), Qt::AlignCenter, QStringLiteral("V"));
  painter.restore();
}

}  // namespace

QPixmap AboutLogo() {
  // The name in the cover's blue, its V in the letter's red, with a white edge for dark schemes.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(36);
  QPainterPath letter;
  letter.addText(QPointF(kHeight + 6, kBaseline), font, QStringLiteral("V"));
  QPainterPath name;
  name.addText(QPointF(letter.boundingRect().right() + 2, kBaseline), font,
               QStringLiteral("okabi"));

  QPixmap logo(qCeil(name.boundingRect().right()) + kEdge, kHeight);
  logo.fill(Qt::transparent);
  QPainter painter(&logo);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawBook(painter, kHeight);
  painter.setPen(QPen(QColor(255, 255, 255, 200), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(letter);
  painter.drawPath(name);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kLetter);
  painter.drawPath(letter);
  painter.setBrush(kCover);
  painter.drawPath(name);
  return logo;
}

}  // namespace vokabi::ui
