#include "ui/controls/button_properties.h"

namespace vokabi::ui {

QString SavedKey(ButtonProperty property) {
  switch (property) {
    case ButtonProperty::ButtonType:
      return QStringLiteral("BTYPE");
    case ButtonProperty::Caption:
      return QStringLiteral("TX");
    case ButtonProperty::Tooltip:
      return QStringLiteral("ToteX");
    case ButtonProperty::Enabled:
      return QStringLiteral("ENAB");
    case ButtonProperty::Font:
      return QStringLiteral("FONT");
    case ButtonProperty::ColorScheme:
      return QStringLiteral("COLTYPE");
    case ButtonProperty::ShowFocusRect:
      return QStringLiteral("FOCUSR");
    case ButtonProperty::BackColor:
      return QStringLiteral("BCOL");
    case ButtonProperty::BackOver:
      return QStringLiteral("BCOLO");
    case ButtonProperty::ForeColor:
      return QStringLiteral("FCOL");
    case ButtonProperty::ForeOver:
      return QStringLiteral("FCOLO");
    case ButtonProperty::MaskColor:
      return QStringLiteral("MCOL");
    case ButtonProperty::MousePointer:
      return QStringLiteral("MPTR");
    case ButtonProperty::MouseIcon:
      return QStringLiteral("MICON");
    case ButtonProperty::PictureNormal:
      return QStringLiteral("PICN");
    case ButtonProperty::PictureOver:
      return QStringLiteral("PICH");
    case ButtonProperty::UseMaskColor:
      return QStringLiteral("UMCOL");
    case ButtonProperty::SoftBevel:
      return QStringLiteral("SOFT");
    case ButtonProperty::PicturePosition:
      return QStringLiteral("PICPOS");
    case ButtonProperty::UseGreyscale:
      return QStringLiteral("NGREY");
    case ButtonProperty::SpecialEffect:
      return QStringLiteral("FX");
    case ButtonProperty::HandPointer:
      return QStringLiteral("HAND");
    case ButtonProperty::Bord:
      return QStringLiteral("Bord");
    case ButtonProperty::CheckBoxBehaviour:
      return QStringLiteral("CHECK");
    case ButtonProperty::Value:
      return QStringLiteral("VALUE");
  }
  return {};
}

QString ReportedKey(ButtonProperty property) {
  // Setting PictureOver is reported under another key than the one it is saved under.
  if (property == ButtonProperty::PictureOver) return QStringLiteral("PICO");
  return SavedKey(property);
}

void PropertyStore::Write(const QString& key, PropertyValue value) {
  for (auto& entry : entries_) {
    if (entry.first == key) {
      entry.second = std::move(value);
      return;
    }
  }
  entries_.emplace_back(key, std::move(value));
}

const PropertyValue* PropertyStore::Find(const QString& key) const {
  for (const auto& entry : entries_) {
    if (entry.first == key) return &entry.second;
  }
  return nullptr;
}

QStringList PropertyStore::Keys() const {
  QStringList keys;
  for (const auto& entry : entries_) keys.append(entry.first);
  return keys;
}

void SaveButtonProperties(const ButtonProperties& p, PropertyStore& store) {
  using P = ButtonProperty;
  store.Write(P::ButtonType, std::int32_t{p.buttonType});
  store.Write(P::Caption, p.caption);
  store.Write(P::Tooltip, p.tooltip);
  store.Write(P::Enabled, p.enabled);
  store.Write(P::Font, p.font);
  store.Write(P::ColorScheme, std::int32_t{p.colorScheme});
  store.Write(P::ShowFocusRect, p.showFocusRect);
  store.Write(P::BackColor, p.backColor);
  store.Write(P::BackOver, p.backOver);
  store.Write(P::ForeColor, p.foreColor);
  store.Write(P::ForeOver, p.foreOver);
  store.Write(P::MaskColor, p.maskColor);
  store.Write(P::MousePointer, std::int16_t{p.mousePointer});
  store.Write(P::MouseIcon, p.mouseIcon);
  store.Write(P::PictureNormal, p.pictureNormal);
  store.Write(P::PictureOver, p.pictureOver);
  store.Write(P::UseMaskColor, p.useMaskColor);
  store.Write(P::SoftBevel, p.softBevel);
  store.Write(P::PicturePosition, std::int32_t{p.picturePosition});
  store.Write(P::UseGreyscale, p.useGreyscale);
  store.Write(P::SpecialEffect, std::int32_t{p.specialEffect});
  store.Write(P::HandPointer, p.handPointer);
  store.Write(P::Bord, p.bord);
  store.Write(P::CheckBoxBehaviour, p.checkBoxBehaviour);
  store.Write(P::Value, p.value);
}

}  // namespace vokabi::ui
