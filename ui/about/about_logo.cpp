#include "ui/about/about_logo.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "resources/pictures.h"

namespace vokabi::ui {

namespace {

constexpr int kHeight = 64;
constexpr int kBaseline = 46;
// Room for the white edge after the last letter.
constexpr int kEdge = 4;

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
  painter.setBrush(kBookLetter);
  painter.drawPath(letter);
  painter.setBrush(kBookCover);
  painter.drawPath(name);
  return logo;
}

}  // namespace vokabi::ui
