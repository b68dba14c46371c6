// The on-screen keyboards: the strips under the window's base height, their toggles, and the keys
// that type into the word box.
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "app/settings.h"
#include "ui/controls/button.h"
#include "ui/main/form1.h"
#include "ui/main/keyboard.h"

namespace vokabi::ui {

namespace {

constexpr int kCloseSize = 16;
constexpr int kCloseTop = 6;
constexpr int kCloseRight = 12;

}  // namespace

void Form1::BuildKeyboards() {
  picCyr_ = new KeyboardStrip(CyrillicRows(), this);
  picCyr_->setObjectName(QStringLiteral("PicCyr"));
  picLat_ = new KeyboardStrip(LatinRows(), this);
  picLat_->setObjectName(QStringLiteral("PicLat"));
  const QRect close(kClientWidth - kCloseRight - kCloseSize, kCloseTop, kCloseSize, kCloseSize);
  btnCloseCyr_ = MakeButton("BtnCloseCyr", close, picCyr_);
  btnCloseLat_ = MakeButton("BtnCloseLat", close, picLat_);
  for (KeyboardStrip* strip : {picCyr_, picLat_}) {
    strip->setGeometry(0, kBaseClientHeight, kClientWidth, KeyboardStrip::kHeight);
    strip->installEventFilter(this);
    strip->hide();
  }
  // The first strip shown opens at the base height, a second one below it.
  const int below = kBaseClientHeight + KeyboardStrip::kHeight;
  cyrKeyboardTop_ = !AppSettings.CyrKeyboard && AppSettings.LatKeyboard ? below : kBaseClientHeight;
  latKeyboardTop_ = AppSettings.LatKeyboard && !AppSettings.CyrKeyboard ? kBaseClientHeight : below;
}

void Form1::PlaceKeyboards() {
  const int shown = (AppSettings.CyrKeyboard ? 1 : 0) + (AppSettings.LatKeyboard ? 1 : 0);
  setFixedSize(kClientWidth, kBaseClientHeight + shown * KeyboardStrip::kHeight);
  picCyr_->move(0, cyrKeyboardTop_);
  picCyr_->setVisible(AppSettings.CyrKeyboard);
  picLat_->move(0, latKeyboardTop_);
  picLat_->setVisible(AppSettings.LatKeyboard);
  ClipToClientArea();
  update();
}

void Form1::BtnCyr_Click() {
  ToggleKeyboard(AppSettings.CyrKeyboard, picCyr_, cyrKeyboardTop_, AppSettings.LatKeyboard,
                 picLat_, latKeyboardTop_);
}

void Form1::BtnLat_Click() {
  ToggleKeyboard(AppSettings.LatKeyboard, picLat_, latKeyboardTop_, AppSettings.CyrKeyboard,
                 picCyr_, cyrKeyboardTop_);
}

void Form1::ToggleKeyboard(bool& shown, KeyboardStrip* strip, int& top, bool otherShown,
                           KeyboardStrip* other, int& otherTop) {
  if (!shown) {
    setFixedSize(kClientWidth, height() + KeyboardStrip::kHeight);
    top = otherShown ? kBaseClientHeight + KeyboardStrip::kHeight : kBaseClientHeight;
    strip->move(0, top);
    strip->show();
    shown = true;
  } else {
    setFixedSize(kClientWidth, height() - KeyboardStrip::kHeight);
    strip->hide();
    if (otherShown) {
      otherTop = kBaseClientHeight;
      other->move(0, otherTop);
    }
    shown = false;
  }
  // A resize reshapes the window too, but only when the size really changed.
  ClipToClientArea();
  update();
}

void Form1::Image1_Click(int index) {
  if (index < 0 || index >= kKeyCount) return;
  QLineEdit* edit = combo1_->lineEdit();
  if (!wordBoxHasFocus_) {
    const int length = static_cast<int>(edit->text().size());
    const int start = std::clamp(savedSelStart_, 0, length);
    edit->setCursorPosition(start);
    if (savedSelLength_ > 0) edit->setSelection(start, std::min(savedSelLength_, length - start));
  }
  edit->insert(QString(KeyCharacter(index)));
  combo1_->setProperty("charset", KeyCharset(index));
  savedSelStart_ = WordBoxSelStart();
  if (AppSettings.CompleteWord) CompleteWordBox();
  savedSelStart_ = WordBoxSelStart();
  savedSelLength_ = WordBoxSelLength();
}

}  // namespace vokabi::ui
