#include "ui/setup/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <string>

#include "platform/codepage.h"
#include "platform/font_letters.h"

namespace vokabi::ui {

namespace {

constexpr int kCheckedPoints = 12;
// The letters of a Windows code page's upper half: À to ÿ, А to я, Ά to ώ.
constexpr unsigned char kFirstLetterByte = 0xC0;

}  // namespace

QStringList FontFamilies() {
  return QFontDatabase::families();
}

QString ObtainedFamily(const QString& face) {
  return QFontInfo(QFont(face, kCheckedPoints)).family();
}

QString AlphabetSample(int charset) {
  std::string bytes;
  for (unsigned byte = kFirstLetterByte; byte <= 0xFF; ++byte) bytes += static_cast<char>(byte);
  const QString upper = QString::fromStdString(platform::DecodeCharset(charset, bytes).utf8);
  QString sample = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  for (const QChar letter : upper) {
    if (letter.isLetter()) sample += letter;
  }
  return sample;
}

bool FontShowsCharsets(const QString& face, const std::vector<int>& charsets) {
  if (face.isEmpty() || ObtainedFamily(face) != face) return false;
  QString letters;
  for (const int charset : charsets) letters += AlphabetSample(charset);
  // The list names a family that two foundries make "Family [Foundry]"; the files know it by its
  // family name.
  QString family = face;
  if (family.endsWith(u']')) family.truncate(family.lastIndexOf(QStringLiteral(" [")));
  return platform::FontHasLetters(family.toStdString(), letters.toStdString());
}

}  // namespace vokabi::ui
