#include "ui/setup/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace vokabi::ui {

namespace {

constexpr int kCheckedPoints = 12;
constexpr int kCyrillicCharset = 204;

}  // namespace

QStringList FontFamilies() {
  return QFontDatabase::families();
}

QString ObtainedFamily(const QString& face) {
  return QFontInfo(QFont(face, kCheckedPoints)).family();
}

bool FontShowsCharset(const QString& face, int charset) {
  if (face.isEmpty() || ObtainedFamily(face) != face) return false;
  const QFontDatabase::WritingSystem letters =
      charset == kCyrillicCharset ? QFontDatabase::Cyrillic : QFontDatabase::Latin;
  return QFontDatabase::writingSystems(face).contains(letters);
}

}  // namespace vokabi::ui
