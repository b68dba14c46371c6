#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QObject>
#include <QRect>
#include <functional>

#include "app/settings.h"
#include "ui/controls/schemes.h"

class QFont;
class QWidget;

namespace vokabi::ui {

class Button;
class KeyboardStrip;

// The two on-screen keyboards PicCyr and PicLat under the window's base height, each with its
// close button: the first strip shown opens at the base height, a second one below it, and the
// window grows and shrinks by a strip.
class KeyboardPanel : public QObject {
  Q_OBJECT

 public:
  // Makes a button named name on parent, dressed as the window's other buttons.
  using ButtonMaker =
      std::function<Button*(const char* name, const QRect& geometry, QWidget* parent)>;

  // The keyboards shown are CyrKeyboard and LatKeyboard of settings, which toggling changes.
  KeyboardPanel(QWidget& window, int width, int baseHeight, const ButtonMaker& makeButton,
                SettingsRecord& settings);

  // The strips as the CyrKeyboard and LatKeyboard settings say, and the window's height with them.
  void Place();
  void Dress(const SchemeColours& colours, const QFont& font);
  // BtnCyr_Click, BtnLat_Click: shows or hides a strip.
  void ToggleCyr();
  void ToggleLat();
  QWidget* Cyr() const;
  QWidget* Lat() const;

 signals:
  // Image1_Click: a letter key, by its index.
  void KeyClicked(int index);
  // The window's height changed with a strip.
  void Resized();

 private:
  void Toggle(bool& shown, KeyboardStrip* strip, int& top, bool otherShown, KeyboardStrip* other,
              int& otherTop);

  QWidget& window_;
  SettingsRecord& settings_;
  int width_;
  int baseHeight_;
  KeyboardStrip* picCyr_ = nullptr;
  KeyboardStrip* picLat_ = nullptr;
  int cyrKeyboardTop_;
  int latKeyboardTop_;
};

}  // namespace vokabi::ui
