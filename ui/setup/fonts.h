#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The module Fonts: the font families the settings dialog offers and the check that a family
// can show the interface language and the working base.
namespace vokabi::ui {

// The families of the system's font database, in its order.
QStringList FontFamilies();

// The family the system actually gives for a 12-point font of face; the face itself when it is
// installed, else its substitute.
QString ObtainedFamily(const QString& face);

// A sample of the alphabet of a Windows character set: the Latin letters and the letters of the
// upper half of its code page (the Cyrillic alphabet for 204, the accented Latin for 0).
QString AlphabetSample(int charset);

// True when a 12-point font of face is obtained with exactly that family and the family has real
// glyphs for a sample of each character set's alphabet: a font that claims Latin but draws
// symbols does not.
bool FontShowsCharsets(const QString& face, const std::vector<int>& charsets);

}  // namespace vokabi::ui
