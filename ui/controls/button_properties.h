#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <variant>
#include <vector>

#include "ui/controls/colour.h"

namespace vokabi::ui {

// The properties a window definition saves for a button, in the order they are saved.
enum class ButtonProperty {
  ButtonType,
  Caption,
  Tooltip,
  Enabled,
  Font,
  ColorScheme,
  ShowFocusRect,
  BackColor,
  BackOver,
  ForeColor,
  ForeOver,
  MaskColor,
  MousePointer,
  MouseIcon,
  PictureNormal,
  PictureOver,
  UseMaskColor,
  SoftBevel,
  PicturePosition,
  UseGreyscale,
  SpecialEffect,
  HandPointer,
  Bord,
  CheckBoxBehaviour,
  Value,
};

// The key a property is saved under ("BTYPE", "TX" …).
QString SavedKey(ButtonProperty property);
// The key a setter reports its change under: the saved key, but for PictureOver.
QString ReportedKey(ButtonProperty property);

// A button's properties. The initial values are those a window definition that lacks the key
// loads, but for the font, which is the button's own.
struct ButtonProperties {
  Colour backColor = SystemColour(15);
  Colour backOver = SystemColour(15);
  Colour foreColor = SystemColour(18);
  Colour foreOver = SystemColour(18);
  Colour maskColor = 0xC0C0C0;
  int buttonType = 2;
  QString caption;
  QString tooltip;
  bool enabled = true;
  QFont font;
  int colorScheme = 1;
  bool showFocusRect = true;
  short mousePointer = 0;
  QImage mouseIcon;
  bool bord = true;
  bool handPointer = false;
  bool softBevel = false;
  QImage pictureNormal;
  QImage pictureOver;
  int picturePosition = 0;
  bool useMaskColor = true;
  bool useGreyscale = false;
  int specialEffect = 0;
  bool checkBoxBehaviour = false;
  bool value = false;
  // The host's default button shows the focus look of its type; not saved.
  bool isDefault = false;
};

// One saved value; the alternative held is the stored type.
using PropertyValue =
    std::variant<std::int32_t, std::int16_t, bool, QString, QFont, QImage, Colour>;

// Named values as a window definition keeps them for its controls, in the order written.
class PropertyStore {
 public:
  // Replaces a key's value in place, or appends the key.
  void Write(const QString& key, PropertyValue value);
  void Write(ButtonProperty property, PropertyValue value) {
    Write(SavedKey(property), std::move(value));
  }

  // Null when the key is missing.
  const PropertyValue* Find(const QString& key) const;

  // The stored value, or fallback when the key is missing or holds another type.
  template <typename T>
  T Read(const QString& key, const T& fallback) const {
    if (const PropertyValue* value = Find(key)) {
      if (const T* typed = std::get_if<T>(value)) return *typed;
    }
    return fallback;
  }
  template <typename T>
  T Read(ButtonProperty property, const T& fallback) const {
    return Read(SavedKey(property), fallback);
  }

  QStringList Keys() const;
  bool IsEmpty() const { return entries_.empty(); }
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::pair<QString, PropertyValue>> entries_;
};

// Writes every key, always, in the saving order.
void SaveButtonProperties(const ButtonProperties& properties, PropertyStore& store);

}  // namespace vokabi::ui
