// The button's properties saved with its window, loaded back, and first set on a new button.
#include <QApplication>

#include "ui/controls/button.h"
#include "ui/controls/button_properties.h"

namespace vokabi::ui {

void Button::SaveProperties(PropertyStore& store) const {
  SaveButtonProperties(properties_, store);
}

void Button::LoadProperties(const PropertyStore& store) {
  using P = ButtonProperty;
  const ButtonProperties missing;
  ButtonProperties& p = properties_;
  p.buttonType = store.Read<std::int32_t>(P::ButtonType, missing.buttonType);
  p.caption = store.Read<QString>(P::Caption, missing.caption);
  p.tooltip = store.Read<QString>(P::Tooltip, missing.tooltip);
  p.enabled = store.Read<bool>(P::Enabled, missing.enabled);
  p.font = store.Read<QFont>(P::Font, p.font);
  p.colorScheme = store.Read<std::int32_t>(P::ColorScheme, missing.colorScheme);
  p.showFocusRect = store.Read<bool>(P::ShowFocusRect, missing.showFocusRect);
  // A missing over colour is the plain one just loaded.
  p.backColor = store.Read<Colour>(P::BackColor, missing.backColor);
  p.backOver = store.Read<Colour>(P::BackOver, p.backColor);
  p.foreColor = store.Read<Colour>(P::ForeColor, missing.foreColor);
  p.foreOver = store.Read<Colour>(P::ForeOver, p.foreColor);
  p.maskColor = store.Read<Colour>(P::MaskColor, missing.maskColor);
  // The pointer goes straight to the window, not through its setters.
  p.mousePointer = store.Read<std::int16_t>(P::MousePointer, missing.mousePointer);
  const QImage icon = store.Read<QImage>(P::MouseIcon, QImage());
  if (!icon.isNull()) p.mouseIcon = icon;
  ApplyCursor();
  p.pictureNormal = store.Read<QImage>(P::PictureNormal, missing.pictureNormal);
  p.pictureOver = store.Read<QImage>(P::PictureOver, missing.pictureOver);
  p.useMaskColor = store.Read<bool>(P::UseMaskColor, missing.useMaskColor);
  p.softBevel = store.Read<bool>(P::SoftBevel, missing.softBevel);
  p.picturePosition = store.Read<std::int32_t>(P::PicturePosition, missing.picturePosition);
  p.useGreyscale = store.Read<bool>(P::UseGreyscale, missing.useGreyscale);
  p.specialEffect = store.Read<std::int32_t>(P::SpecialEffect, missing.specialEffect);
  // Bord before HAND, both through their setters, so the hand pointer is loaded too.
  SetBord(store.Read<bool>(P::Bord, missing.bord));
  SetHandPointer(store.Read<bool>(P::HandPointer, missing.handPointer));
  p.checkBoxBehaviour = store.Read<bool>(P::CheckBoxBehaviour, missing.checkBoxBehaviour);
  p.value = store.Read<bool>(P::Value, missing.value);

  setEnabled(p.enabled);
  painter_.MeasurePicture();
  painter_.LayoutCaption();
  input_.UpdateAccessKey();
}

void Button::InitNew() {
  ButtonProperties& p = properties_;
  p.buttonType = 3;
  p.colorScheme = 3;
  painter_.ComputeColours();
  p.backColor = painter_.Palette().face;
  p.backOver = painter_.Palette().face;
  p.foreColor = painter_.Palette().text;
  p.foreOver = painter_.Palette().text;
  p.maskColor = 0xC0C0C0;
  p.caption = objectName();
  p.tooltip.clear();
  p.enabled = true;
  p.font = parentWidget() ? parentWidget()->font() : QApplication::font();
  p.showFocusRect = true;
  p.bord = false;
  painter_.LayoutCaption();
  input_.UpdateAccessKey();
}

}  // namespace vokabi::ui
