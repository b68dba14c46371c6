#include "ui/main/keyboard_panel.h"

#include <QWidget>

#include "app/settings.h"
#include "ui/controls/button.h"
#include "ui/main/keyboard.h"

namespace vokabi::ui {

namespace {

constexpr int kCloseSize = 16;
constexpr int kCloseTop = 6;
constexpr int kCloseRight = 12;

}  // namespace

KeyboardPanel::KeyboardPanel(QWidget& window, int width, int baseHeight,
                             const ButtonMaker& makeButton, SettingsRecord& settings)
    : QObject(&window),
      window_(window),
      settings_(settings),
      width_(width),
      baseHeight_(baseHeight),
      cyrKeyboardTop_(baseHeight),
      latKeyboardTop_(baseHeight) {
  picCyr_ = new KeyboardStrip(CyrillicRows(), &window);
  picCyr_->setObjectName(QStringLiteral("PicCyr"));
  picLat_ = new KeyboardStrip(LatinRows(), &window);
  picLat_->setObjectName(QStringLiteral("PicLat"));
  const QRect close(width - kCloseRight - kCloseSize, kCloseTop, kCloseSize, kCloseSize);
  Button* closeCyr = makeButton("BtnCloseCyr", close, picCyr_);
  Button* closeLat = makeButton("BtnCloseLat", close, picLat_);
  connect(closeCyr, &Button::Click, this, &KeyboardPanel::ToggleCyr);
  connect(closeLat, &Button::Click, this, &KeyboardPanel::ToggleLat);
  for (KeyboardStrip* strip : {picCyr_, picLat_}) {
    strip->setGeometry(0, baseHeight, width, KeyboardStrip::kHeight);
    strip->hide();
    connect(strip, &KeyboardStrip::KeyClicked, this, &KeyboardPanel::KeyClicked);
  }
  const int below = baseHeight + KeyboardStrip::kHeight;
  cyrKeyboardTop_ = !settings_.CyrKeyboard && settings_.LatKeyboard ? below : baseHeight;
  latKeyboardTop_ = settings_.LatKeyboard && !settings_.CyrKeyboard ? baseHeight : below;
}

QWidget* KeyboardPanel::Cyr() const {
  return picCyr_;
}

QWidget* KeyboardPanel::Lat() const {
  return picLat_;
}

void KeyboardPanel::Dress(const SchemeColours& colours, const QFont& font) {
  for (KeyboardStrip* strip : {picCyr_, picLat_}) strip->Dress(colours, font);
}

void KeyboardPanel::Place() {
  const int shown = (settings_.CyrKeyboard ? 1 : 0) + (settings_.LatKeyboard ? 1 : 0);
  window_.setFixedSize(width_, baseHeight_ + shown * KeyboardStrip::kHeight);
  picCyr_->move(0, cyrKeyboardTop_);
  picCyr_->setVisible(settings_.CyrKeyboard);
  picLat_->move(0, latKeyboardTop_);
  picLat_->setVisible(settings_.LatKeyboard);
  emit Resized();
}

void KeyboardPanel::ToggleCyr() {
  Toggle(settings_.CyrKeyboard, picCyr_, cyrKeyboardTop_, settings_.LatKeyboard, picLat_,
         latKeyboardTop_);
}

void KeyboardPanel::ToggleLat() {
  Toggle(settings_.LatKeyboard, picLat_, latKeyboardTop_, settings_.CyrKeyboard, picCyr_,
         cyrKeyboardTop_);
}

void KeyboardPanel::Toggle(bool& shown, KeyboardStrip* strip, int& top, bool otherShown,
                           KeyboardStrip* other, int& otherTop) {
  if (!shown) {
    window_.setFixedSize(width_, window_.height() + KeyboardStrip::kHeight);
    top = otherShown ? baseHeight_ + KeyboardStrip::kHeight : baseHeight_;
    strip->move(0, top);
    strip->show();
    shown = true;
  } else {
    window_.setFixedSize(width_, window_.height() - KeyboardStrip::kHeight);
    strip->hide();
    if (otherShown) {
      otherTop = baseHeight_;
      other->move(0, otherTop);
    }
    shown = false;
  }
  emit Resized();
}

}  // namespace vokabi::ui
