#pragma once

#include <QIcon>
#include <QPixmap>

namespace vokabi::ui {

// The program's pictures, drawn rather than shipped: the flags of the bases' language pairs by
// resource number (102 English, 103 French, 104 German, 105 Spanish, 106 Italian, 107 Russian,
// 108 any other) and the program's icon.
QPixmap FlagBitmap(int resource);
QIcon ProgramIcon();

}  // namespace vokabi::ui
