// Writes the program's icon as the desktop's icon themes take it: one PNG per size and a scalable
// SVG, all drawn by the same DrawBook as the window's icon.
// Usage: icon_files FOLDER   (writes FOLDER/SIZExSIZE/apps/vokabi.png and FOLDER/scalable/...)
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "resources/pictures.h"

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The SVG's own units: the book's 32-unit grid.
constexpr int kSvgSize = 32;

bool WritePng(const QDir& root, int size) {
  const QString folder = QStringLiteral("%1x%1/apps").arg(size);
  if (!root.mkpath(folder)) return false;
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    vokabi::ui::DrawBook(painter, size);
  }
  return image.save(root.filePath(folder + QStringLiteral("/vokabi.png")), "PNG");
}

bool WriteSvg(const QDir& root) {
  if (!root.mkpath(QStringLiteral("scalable/apps"))) return false;
  QSvgGenerator svg;
  svg.setFileName(root.filePath(QStringLiteral("scalable/apps/vokabi.svg")));
  svg.setSize(QSize(kSvgSize, kSvgSize));
  svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
  svg.setTitle(QStringLiteral("Vokabi"));
  svg.setDescription(QStringLiteral("An open book with a V on its pages"));
  // Text is kept as text; DejaVu Sans at 96 dots per inch is what the window draws it with.
  svg.setResolution(96);
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  vokabi::ui::DrawBook(painter, kSvgSize);
  return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fputs("usage: icon_files FOLDER\n", stderr);
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  for (const int size : kSizes) {
    if (!WritePng(root, size)) {
      std::fprintf(stderr, "icon_files: cannot write the %dx%d icon\n", size, size);
      return 1;
    }
  }
  if (!WriteSvg(root)) {
    std::fputs("icon_files: cannot write the scalable icon\n", stderr);
    return 1;
  }
  return 0;
}
