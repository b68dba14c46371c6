#pragma once

#include <QPalette>

#include "ui/controls/colour.h"

namespace vokabi::ui {

// The colours a button paints with, all RGB, computed from its colour scheme.
struct ButtonPalette {
  Colour selection = 0;
  Colour selectionLight = 0;
  Colour face = 0;
  Colour light = 0;
  Colour highlight = 0;
  Colour shadow = 0;
  Colour darkShadow = 0;
  Colour text = 0;
  Colour textOver = 0;
  Colour faceOver = 0;
  Colour mask = 0;
  Colour faceLight = 0;
};

// What ComputeColours reads from a button and its parent.
struct PaletteSource {
  int colorScheme = 1;  // 1 system colours, 2 the properties, 3 fixed grey, 4 the parent's
  Colour backColor = 0;
  Colour backOver = 0;
  Colour foreColor = 0;
  Colour foreOver = 0;
  Colour maskColor = 0xC0C0C0;
  int buttonType = 3;
  bool softBevel = false;
  Colour parentBack = 0;  // the parent window's background and text, for scheme 4
  Colour parentText = 0;
};

ButtonPalette ComputeColours(const PaletteSource& source, const QPalette& system);

}  // namespace vokabi::ui
