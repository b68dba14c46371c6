#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

namespace vokabi::ui {

// A colour as the program stores it: 0x00BBGGRR (red in the low byte). A value with the top bit
// set names a system colour by its index in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr Colour SystemColour(int index) {
  return kSystemColourFlag | static_cast<Colour>(index);
}

// The one place where a stored colour becomes a Qt colour and back.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

// Shifts red and green by amount and blue by amount too, or with proportionalBlue by
// blue × amount / 192; softBevel halves the amount first. Clamped toward the shift's direction.
Colour ShiftColour(Colour colour, int amount, bool proportionalBlue, bool softBevel = false);

// Moves each channel toward white: c × (255 − amount) / 255 + amount, at most 255.
Colour BlendToWhite(Colour colour, int amount);

// How well two colours stand apart, by their relative luminance: 1 (the same) to 21 (black on
// white), as WCAG measures contrast.
double Contrast(Colour a, Colour b);

// RGB of a colour; system colours (button face, shadow, highlight …) come from the palette.
Colour TranslateColour(Colour colour, const QPalette& system);
Colour TranslateColour(Colour colour);  // with the application's palette

}  // namespace vokabi::ui
