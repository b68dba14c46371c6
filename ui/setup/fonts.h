#pragma once

#include <QString>
#include <QStringList>

// The module Fonts: the font families the settings dialog offers and the check that a family
// can show the interface language.
namespace vokabi::ui {

// The families of the system's font database, in its order.
QStringList FontFamilies();

// The family the system actually gives for a 12-point font of face; the face itself when it is
// installed, else its substitute.
QString ObtainedFamily(const QString& face);

// True when a 12-point font of face is obtained with exactly that family and the family has the
// letters of the character set (Cyrillic for 204, Latin otherwise).
bool FontShowsCharset(const QString& face, int charset);

}  // namespace vokabi::ui
