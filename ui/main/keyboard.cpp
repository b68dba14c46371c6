// The on-screen keyboards' letters and the key faces, drawn here rather than kept as pictures.
#include "ui/main/keyboard.h"

#include <QMouseEvent>
#include <QPainter>

namespace vokabi::ui {

namespace {

constexpr int kLeft = 12;
constexpr int kTop = 6;
constexpr int kKeyWidth = 23;
constexpr int kKeyHeight = 24;
constexpr int kKeyPitch = 24;
constexpr int kRowPitch = 26;
constexpr int kYo = 32;
constexpr int kOe = 63;

std::vector<int> Range(int first, int last) {
  std::vector<int> keys;
  for (int i = first; i <= last; ++i) keys.push_back(i);
  return keys;
}

// A letter key; it never takes the focus, so the word box keeps its caret.
class Key : public QWidget {
 public:
  Key(KeyboardStrip& strip, int index) : QWidget(&strip), strip_(strip), index_(index) {
    setObjectName(QStringLiteral("Image1_%1").arg(index));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
  }

  void Dress(const SchemeColours& colours, const QFont& font) {
    face_ = ToQColor(colours.schemeButton);
    letter_ = ToQColor(colours.schemeText);
    font_ = font;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(face_.darker(150));
    painter.setBrush(down_ ? face_.darker(115) : face_);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setPen(letter_);
    painter.setFont(font_);
    painter.drawText(rect(), Qt::AlignCenter, QString(KeyCharacter(index_)));
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    down_ = true;
    update();
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton || !down_) return;
    down_ = false;
    update();
    if (rect().contains(event->position().toPoint())) emit strip_.KeyClicked(index_);
  }

 private:
  KeyboardStrip& strip_;
  int index_;
  bool down_ = false;
  QColor face_ = Qt::lightGray;
  QColor letter_ = Qt::black;
  QFont font_;
};

}  // namespace

QChar KeyCharacter(int index) {
  if (index >= 0 && index < kYo) return QChar(0x0430 + index);
  if (index == kYo) return QChar(0x0451);
  // Windows-1252 and Unicode agree on à … ÿ; ÷ and ø have no key.
  if (index >= kFirstLatinKey && index <= 55) return QChar(191 + index);
  if (index >= 56 && index < kOe) return QChar(193 + index);
  if (index == kOe) return QChar(0x0153);
  return {};
}

int KeyCharset(int index) {
  return index < kFirstLatinKey ? 204 : 0;
}

std::vector<std::vector<int>> CyrillicRows() {
  std::vector<int> first = Range(0, 5);  // а … е
  first.push_back(kYo);
  for (int i : Range(6, 15)) first.push_back(i);  // ж … п
  return {first, Range(16, 31)};
}

std::vector<std::vector<int>> LatinRows() {
  std::vector<int> second = Range(49, 55);  // ð … ö
  second.push_back(kOe);
  for (int i : Range(56, 62)) second.push_back(i);  // ù … ÿ
  return {Range(kFirstLatinKey, 48), second};
}

KeyboardStrip::KeyboardStrip(const std::vector<std::vector<int>>& rows, QWidget* parent)
    : QWidget(parent) {
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    for (int column = 0; column < static_cast<int>(rows[row].size()); ++column) {
      auto* key = new Key(*this, rows[row][column]);
      key->setGeometry(kLeft + column * kKeyPitch, kTop + row * kRowPitch, kKeyWidth, kKeyHeight);
    }
  }
}

void KeyboardStrip::Dress(const SchemeColours& colours, const QFont& font) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(colours.optionBack));
  setPalette(palette);
  QFont keyFont = font;
  keyFont.setPointSize(11);
  for (QObject* child : children()) {
    if (auto* key = dynamic_cast<Key*>(child)) key->Dress(colours, keyFont);
  }
}

}  // namespace vokabi::ui
