#pragma once

#include <QPixmap>

namespace vokabi::ui {

// The about box's logo: the program's open book with its V, and the name beside it.
QPixmap AboutLogo();

}  // namespace vokabi::ui
