#include "ui/controls/button_properties.h"

#include <QApplication>
#include <QPixmap>

#include "ui/controls/button.h"

namespace vokabi::ui {

namespace keys = button_keys;

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

namespace {

QString Key(const char* key) {
  return QString::fromLatin1(key);
}

}  // namespace

void Button::SaveProperties(PropertyStore& store) const {
  store.Write(Key(keys::kButtonType), std::int32_t{buttonType_});
  store.Write(Key(keys::kCaption), caption_);
  store.Write(Key(keys::kTooltip), tooltip_);
  store.Write(Key(keys::kEnabled), enabled_);
  store.Write(Key(keys::kFont), font_);
  store.Write(Key(keys::kColorScheme), std::int32_t{colorScheme_});
  store.Write(Key(keys::kShowFocusRect), showFocusRect_);
  store.Write(Key(keys::kBackColor), backColor_);
  store.Write(Key(keys::kBackOver), backOver_);
  store.Write(Key(keys::kForeColor), foreColor_);
  store.Write(Key(keys::kForeOver), foreOver_);
  store.Write(Key(keys::kMaskColor), maskColor_);
  store.Write(Key(keys::kMousePointer), std::int16_t{mousePointer_});
  store.Write(Key(keys::kMouseIcon), mouseIcon_);
  store.Write(Key(keys::kPictureNormal), pictureNormal_);
  store.Write(Key(keys::kPictureOver), pictureOver_);
  store.Write(Key(keys::kUseMaskColor), useMaskColor_);
  store.Write(Key(keys::kSoftBevel), softBevel_);
  store.Write(Key(keys::kPicturePosition), std::int32_t{picturePosition_});
  store.Write(Key(keys::kUseGreyscale), useGreyscale_);
  store.Write(Key(keys::kSpecialEffect), std::int32_t{specialEffect_});
  store.Write(Key(keys::kHandPointer), handPointer_);
  store.Write(Key(keys::kBord), bord_);
  store.Write(Key(keys::kCheckBoxBehaviour), checkBoxBehaviour_);
  store.Write(Key(keys::kValue), value_);
}

void Button::LoadProperties(const PropertyStore& store) {
  buttonType_ = store.Read<std::int32_t>(Key(keys::kButtonType), 2);
  caption_ = store.Read<QString>(Key(keys::kCaption), QString());
  tooltip_ = store.Read<QString>(Key(keys::kTooltip), QString());
  enabled_ = store.Read<bool>(Key(keys::kEnabled), true);
  font_ = store.Read<QFont>(Key(keys::kFont), font_);
  colorScheme_ = store.Read<std::int32_t>(Key(keys::kColorScheme), 1);
  showFocusRect_ = store.Read<bool>(Key(keys::kShowFocusRect), true);
  // A missing over colour is the plain one just loaded.
  backColor_ = store.Read<Colour>(Key(keys::kBackColor), SystemColour(15));
  backOver_ = store.Read<Colour>(Key(keys::kBackOver), backColor_);
  foreColor_ = store.Read<Colour>(Key(keys::kForeColor), SystemColour(18));
  foreOver_ = store.Read<Colour>(Key(keys::kForeOver), foreColor_);
  maskColor_ = store.Read<Colour>(Key(keys::kMaskColor), 0xC0C0C0);
  // The pointer goes straight to the window, not through its setters.
  mousePointer_ = store.Read<std::int16_t>(Key(keys::kMousePointer), 0);
  const QImage icon = store.Read<QImage>(Key(keys::kMouseIcon), QImage());
  if (!icon.isNull()) {
    mouseIcon_ = icon;
    customCursor_ = QCursor(QPixmap::fromImage(icon));
  }
  ApplyCursor();
  pictureNormal_ = store.Read<QImage>(Key(keys::kPictureNormal), QImage());
  pictureOver_ = store.Read<QImage>(Key(keys::kPictureOver), QImage());
  useMaskColor_ = store.Read<bool>(Key(keys::kUseMaskColor), true);
  softBevel_ = store.Read<bool>(Key(keys::kSoftBevel), false);
  picturePosition_ = store.Read<std::int32_t>(Key(keys::kPicturePosition), 0);
  useGreyscale_ = store.Read<bool>(Key(keys::kUseGreyscale), false);
  specialEffect_ = store.Read<std::int32_t>(Key(keys::kSpecialEffect), 0);
  // Bord before HAND, both through their setters, so the hand pointer is loaded too.
  SetBord(store.Read<bool>(Key(keys::kBord), true));
  SetHandPointer(store.Read<bool>(Key(keys::kHandPointer), false));
  checkBoxBehaviour_ = store.Read<bool>(Key(keys::kCheckBoxBehaviour), false);
  value_ = store.Read<bool>(Key(keys::kValue), false);

  setEnabled(enabled_);
  MeasurePicture();
  LayoutCaption();
  UpdateAccessKey();
}

void Button::InitNew() {
  buttonType_ = 3;
  colorScheme_ = 3;
  ComputeColours();
  backColor_ = palette_.face;
  backOver_ = palette_.face;
  foreColor_ = palette_.text;
  foreOver_ = palette_.text;
  maskColor_ = 0xC0C0C0;
  caption_ = objectName();
  tooltip_.clear();
  enabled_ = true;
  font_ = parentWidget() ? parentWidget()->font() : QApplication::font();
  showFocusRect_ = true;
  bord_ = false;
  LayoutCaption();
  UpdateAccessKey();
}

}  // namespace vokabi::ui
