#pragma once

#include <QString>
#include <QStringList>

#include "ui/controls/colour.h"

namespace vokabi::ui {

// The six colours every window is dressed in.
struct SchemeColours {
  Colour optionBack = 0;     // panels, dialogs, the base of the shaded frames
  Colour schemeText = 0;     // text on that background and every button's caption
  Colour schemeButton = 0;   // every button's face
  Colour listHighlight = 0;  // the highlighted word-list label
  Colour listBack = 0;       // word box, translation pane, word list; highlighted label's text
  Colour listText = 0;       // text of the word box, the pane and the word list
};

// The names of the ten schemes, as the settings list shows and stores them.
const QStringList& SchemeNames();

// The scheme named (compared in lower case); any other name gives "Blue sky".
SchemeColours LookupSchemeColours(const QString& name);

// The colour that marks a chosen item on the scheme's background (the working base's flag): the
// scheme's text colour where it stands out well enough, else black or white, whichever stands
// out more.
Colour MarkColour(const SchemeColours& colours);

}  // namespace vokabi::ui
