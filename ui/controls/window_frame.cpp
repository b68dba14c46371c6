#include "ui/controls/window_frame.h"

#include <cmath>
#include <numbers>

#include "ui/controls/gdi_draw.h"

namespace vokabi::ui {
namespace {

// Amounts round to the nearest integer, halves to even.
int Round(double amount) {
  return static_cast<int>(std::nearbyint(amount));
}

double SinDegrees(double degrees) {
  return std::sin(degrees * std::numbers::pi / 180.0);
}

}  // namespace

void RabF1(QPainter& painter, int left, int right, int top, int bottom, Colour optionBack) {
  const double height = bottom;
  for (int i = 0; i <= 7; ++i) {
    const int j = 7 - i;
    const Colour light = ShiftColour(
        optionBack, Round((height / 1.4 - j) * SinDegrees(j - 90) * (-25.0 * j / height)), true);
    DrawLine(painter, left + i, top + i, right - i, top + i, light);
    DrawLine(painter, left + i, top + i, left + i, bottom - i, light);
    const Colour dark = ShiftColour(
        optionBack, Round((height / 1.2 - i) * SinDegrees(i + 90) * (-25.0 * i / height)), true);
    DrawLine(painter, right - j, top + j, right - j, bottom - 6 + i, dark);
    DrawLine(painter, left + j, bottom - j, right - j, bottom - j, dark);
  }
}

void ShadeWindowFrame(QPainter& painter, int width, int height, Colour optionBack) {
  RabF1(painter, 0, width, 0, height, optionBack);
}

}  // namespace vokabi::ui
