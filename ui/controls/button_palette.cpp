#include "ui/controls/button_palette.h"

namespace vokabi::ui {
namespace {

// Bevel shades derived from a face colour, as schemes 2 and 4 make them.
void ShadesFromFace(ButtonPalette& p, bool soft) {
  p.shadow = ShiftColour(p.face, -64, false, soft);
  p.light = ShiftColour(p.face, 31, false, soft);
  p.highlight = ShiftColour(p.face, 47, false, soft);
  p.darkShadow = ShiftColour(p.face, -192, false, soft);
}

}  // namespace

ButtonPalette ComputeColours(const PaletteSource& source, const QPalette& system) {
  const auto rgb = [&system](Colour c) { return TranslateColour(c, system); };
  const bool soft = source.softBevel;  // SoftBevel halves every shift, the palette's included
  ButtonPalette p;
  switch (source.colorScheme) {
    case 2:
      p.face = rgb(source.backColor);
      p.faceOver = rgb(source.backOver);
      p.text = rgb(source.foreColor);
      p.textOver = rgb(source.foreOver);
      ShadesFromFace(p, soft);
      p.selection = ShiftColour(p.face, -128, false, soft);
      p.selectionLight = p.face;
      break;
    case 3:
      p.face = p.faceOver = 0xC0C0C0;
      p.shadow = 0x808080;
      p.light = 0xDFDFDF;
      p.darkShadow = 0x000000;
      p.highlight = 0xFFFFFF;
      p.text = p.textOver = 0x000000;
      p.selection = 0x800000;
      p.selectionLight = 0xD1ADAD;
      break;
    case 4:
      p.face = p.faceOver = rgb(source.parentBack);
      p.text = p.textOver = rgb(source.parentText);
      ShadesFromFace(p, soft);
      p.selection = rgb(SystemColour(13));
      p.selectionLight = BlendToWhite(p.selection, 176);
      break;
    default:
      p.face = p.faceOver = rgb(SystemColour(15));
      p.shadow = rgb(SystemColour(16));
      p.light = rgb(SystemColour(22));
      p.darkShadow = rgb(SystemColour(21));
      p.highlight = rgb(SystemColour(20));
      p.text = p.textOver = rgb(SystemColour(18));
      p.selection = rgb(SystemColour(13));
      p.selectionLight = BlendToWhite(p.selection, 176);
      break;
  }
  p.mask = rgb(source.maskColor);
  p.faceLight = ShiftColour(p.face, 48, source.buttonType == 3, soft);
  return p;
}

}  // namespace vokabi::ui
