#pragma once

#include <QString>

class QPrinter;

// The printed page of a word: the product line between two rules, the word, and the translation
// wrapped word by word.
namespace vokabi::ui {

struct PrintedTexts {
  QString wordLabel;         // text 55
  QString translationLabel;  // text 56
  QString productLine;       // text 57 and the version
  QString word;
  QString translation;
};

// Text 57 followed by the version as the page shows it: major "." minor revision ("1.03").
QString ProductLine(const QString& text57);

// Draws the page on printer, one page, and ends the document; false when the printer fails.
bool PrintPage(QPrinter& printer, const PrintedTexts& texts);

}  // namespace vokabi::ui
