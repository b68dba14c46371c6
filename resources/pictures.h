#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

class QPainter;

namespace vokabi::ui {

// The program's pictures, drawn rather than shipped: the flags of the bases' language pairs by
// resource number (102 English, 103 French, 104 German, 105 Spanish, 106 Italian, 107 Russian,
// 108 any other) and the program's icon.
QPixmap FlagBitmap(int resource);
QIcon ProgramIcon();

// The icon's open book with a V on its pages, size pixels square at the painter's origin; the
// about box draws it beside the name in the same colours.
void DrawBook(QPainter& painter, int size);
inline const QColor kBookCover{30, 90, 160};
inline const QColor kBookLetter{190, 30, 45};

}  // namespace vokabi::ui
