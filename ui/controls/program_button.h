#pragma once

#include <QRect>

class QWidget;

namespace vokabi::ui {

class Button;

// A skinned button in the look every button of the program wears, named for tests and styling.
Button* MakeProgramButton(QWidget* parent, const char* name, const QRect& geometry);

}  // namespace vokabi::ui
