#pragma once

#include <QChar>
#include <QFont>
#include <QWidget>
#include <vector>

#include "ui/controls/schemes.h"

namespace vokabi::ui {

// Keys 0 to 32 are Cyrillic, 33 to 63 Latin.
inline constexpr int kKeyCount = 64;
inline constexpr int kFirstLatinKey = 33;

// The letter a key enters, and the character set the word box takes with it (204 or 0).
QChar KeyCharacter(int index);
int KeyCharset(int index);

// The key indexes of each strip, row by row in alphabetical order.
std::vector<std::vector<int>> CyrillicRows();
std::vector<std::vector<int>> LatinRows();

// One on-screen keyboard: a band at the bottom of the window with a row of letter keys per row
// given. It shows the window's background, so the window's shaded edge runs on along it.
class KeyboardStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 65;

  KeyboardStrip(const std::vector<std::vector<int>>& rows, QWidget* parent);

  void Dress(const SchemeColours& colours, const QFont& font);

 signals:
  void KeyClicked(int index);
};

}  // namespace vokabi::ui
