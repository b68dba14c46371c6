#include "ui/controls/colour.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace vokabi::ui {
namespace {

int Red(Colour c) {
  return static_cast<int>(c & 0xFF);
}
int Green(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
int Blue(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

// The system colours the program asks for, by their Windows index, from the Qt palette.
QPalette::ColorRole RoleOf(int index) {
  switch (index) {
    case 4:
      return QPalette::Window;  // menu
    case 5:
      return QPalette::Base;  // window
    case 8:
      return QPalette::WindowText;  // window text
    case 13:
      return QPalette::Highlight;  // highlight
    case 14:
      return QPalette::HighlightedText;  // highlight text
    case 15:
      return QPalette::Button;  // button face
    case 16:
      return QPalette::Dark;  // button shadow
    case 17:
      return QPalette::PlaceholderText;  // grey text
    case 18:
      return QPalette::ButtonText;  // button text
    case 20:
      return QPalette::Light;  // button highlight
    case 21:
      return QPalette::Shadow;  // 3D dark shadow
    case 22:
      return QPalette::Midlight;  // 3D light
    case 23:
      return QPalette::ToolTipText;  // info text
    case 24:
      return QPalette::ToolTipBase;  // info background
    default:
      return QPalette::Window;
  }
}

}  // namespace

QColor ToQColor(Colour colour) {
  return QColor(Red(colour), Green(colour), Blue(colour));
}

Colour FromQColor(const QColor& colour) {
  return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8 |
         static_cast<Colour>(colour.blue()) << 16;
}

Colour ShiftColour(Colour colour, int amount, bool proportionalBlue, bool softBevel) {
  if (softBevel) amount /= 2;
  int r = Red(colour) + amount;
  int g = Green(colour) + amount;
  int b = proportionalBlue ? Blue(colour) + Blue(colour) * amount / 192 : Blue(colour) + amount;
  if (amount >= 1) {
    r = std::min(r, 255);
    g = std::min(g, 255);
    b = std::min(b, 255);
  } else if (amount < 0) {
    r = std::max(r, 0);
    g = std::max(g, 0);
    b = std::max(b, 0);
  }
  return static_cast<Colour>(r + 256 * g + 65536 * b);
}

Colour BlendToWhite(Colour colour, int amount) {
  const auto blend = [amount](int c) { return std::min(c * (255 - amount) / 255 + amount, 255); };
  return static_cast<Colour>(blend(Red(colour)) + 256 * blend(Green(colour)) +
                             65536 * blend(Blue(colour)));
}

Colour TranslateColour(Colour colour, const QPalette& system) {
  if ((colour & kSystemColourFlag) == 0) return colour;
  return FromQColor(system.color(QPalette::Active, RoleOf(static_cast<int>(colour & 0xFF))));
}

Colour TranslateColour(Colour colour) {
  return TranslateColour(colour, QApplication::palette());
}

double Contrast(Colour a, Colour b) {
  const auto luminance = [](Colour c) {
    const auto linear = [](int channel) {
      const double v = channel / 255.0;
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(Red(c)) + 0.7152 * linear(Green(c)) + 0.0722 * linear(Blue(c));
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace vokabi::ui
