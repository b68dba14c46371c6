#pragma once

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

// The keys under which a button's properties are saved with its window, and reported when set.
namespace button_keys {
inline constexpr char kButtonType[] = "BTYPE";
inline constexpr char kCaption[] = "TX";
inline constexpr char kTooltip[] = "ToteX";
inline constexpr char kEnabled[] = "ENAB";
inline constexpr char kFont[] = "FONT";
inline constexpr char kColorScheme[] = "COLTYPE";
inline constexpr char kShowFocusRect[] = "FOCUSR";
inline constexpr char kBackColor[] = "BCOL";
inline constexpr char kBackOver[] = "BCOLO";
inline constexpr char kForeColor[] = "FCOL";
inline constexpr char kForeOver[] = "FCOLO";
inline constexpr char kMaskColor[] = "MCOL";
inline constexpr char kMousePointer[] = "MPTR";
inline constexpr char kMouseIcon[] = "MICON";
inline constexpr char kPictureNormal[] = "PICN";
inline constexpr char kPictureOver[] = "PICH";
// Setting PictureOver is reported under another key than the one it is saved under.
inline constexpr char kPictureOverChanged[] = "PICO";
inline constexpr char kUseMaskColor[] = "UMCOL";
inline constexpr char kSoftBevel[] = "SOFT";
inline constexpr char kPicturePosition[] = "PICPOS";
inline constexpr char kUseGreyscale[] = "NGREY";
inline constexpr char kSpecialEffect[] = "FX";
inline constexpr char kBord[] = "Bord";
inline constexpr char kHandPointer[] = "HAND";
inline constexpr char kCheckBoxBehaviour[] = "CHECK";
inline constexpr char kValue[] = "VALUE";
}  // namespace button_keys

// One saved value; the alternative held is the stored type.
using PropertyValue =
    std::variant<std::int32_t, std::int16_t, bool, QString, QFont, QImage, Colour>;

// Named values as a window definition keeps them for its controls, in the order written.
class PropertyStore {
 public:
  // Replaces a key's value in place, or appends the key.
  void Write(const QString& key, PropertyValue value);

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

  QStringList Keys() const;
  bool IsEmpty() const { return entries_.empty(); }
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::pair<QString, PropertyValue>> entries_;
};

}  // namespace vokabi::ui
