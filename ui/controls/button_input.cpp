// The button's mouse, keyboard, focus and access-key handling.
#include "ui/controls/button_input.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QWidget>

#include "ui/controls/key_codes.h"

namespace vokabi::ui {

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;

constexpr int kDown = 2;
constexpr int kUp = 0;

int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kLeft;
    case Qt::RightButton:
      return kRight;
    case Qt::MiddleButton:
      return kMiddle;
    default:
      return 0;
  }
}

int HeldButtons(Qt::MouseButtons buttons) {
  return (buttons.testFlag(Qt::LeftButton) ? kLeft : 0) |
         (buttons.testFlag(Qt::RightButton) ? kRight : 0) |
         (buttons.testFlag(Qt::MiddleButton) ? kMiddle : 0);
}

}  // namespace

ButtonInput::ButtonInput(QWidget& button, ButtonProperties& properties,
                         ButtonInteraction& interaction, ButtonPainter& painter,
                         std::function<void(bool next)> moveFocus)
    : button_(button),
      properties_(properties),
      interaction_(interaction),
      painter_(painter),
      moveFocus_(std::move(moveFocus)) {
  overTimer_.setInterval(30);
  connect(&overTimer_, &QTimer::timeout, this, &ButtonInput::CheckPointerLeft);
  // Alt and the key work anywhere in the button's window.
  accessShortcut_ = new QShortcut(&button);
  accessShortcut_->setContext(Qt::WindowShortcut);
  accessShortcut_->setEnabled(false);
  connect(accessShortcut_, &QShortcut::activated, this, &ButtonInput::PressAccessKey);
}

bool ButtonInput::IsMouseOver() const {
  if (mouseOverProbe_) return mouseOverProbe_();
  return QApplication::widgetAt(QCursor::pos()) == &button_;
}

void ButtonInput::UpdateAccessKey() {
  accessKey_ = QChar();
  const QChar amp = u'&';
  const auto length = properties_.caption.size();
  if (length < 2) {
    accessShortcut_->setEnabled(false);
    return;
  }
  auto first = properties_.caption.indexOf(amp);
  if (first >= 0 && first < length - 1) {
    if (properties_.caption[first + 1] != amp) {
      accessKey_ = properties_.caption[first + 1].toLower();
    } else {
      // "&&" is a literal ampersand; only the next single one can mark the key.
      const auto next = properties_.caption.indexOf(amp, first + 2);
      if (next >= 0 && next < length - 1 && properties_.caption[next + 1] != amp) {
        accessKey_ = properties_.caption[next + 1].toLower();
      }
    }
  }
  if (accessKey_.isNull()) {
    accessShortcut_->setEnabled(false);
    return;
  }
  const int key = static_cast<int>(accessKey_.toUpper().unicode());
  accessShortcut_->setKey(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key))));
  accessShortcut_->setEnabled(true);
}

void ButtonInput::PerformClick() {
  if (pressedButton_ != kLeft || !properties_.enabled) return;
  if (properties_.checkBoxBehaviour) properties_.value = !properties_.value;
  painter_.Redraw(kUp, true);
  button_.repaint();
  emit Click();
}

void ButtonInput::PressAccessKey() {
  pressedButton_ = kLeft;
  PerformClick();
}

void ButtonInput::EnterOverLook() {
  overTimer_.start();
  interaction_.pointerOver = true;
  painter_.Redraw(kUp, true);
  emit MouseOver();
}

void ButtonInput::CheckPointerLeft() {
  if (IsMouseOver()) return;
  overTimer_.stop();
  interaction_.pointerOver = false;
  painter_.Redraw(kUp, true);
  emit MouseOut();
}

void ButtonInput::MousePressed(QMouseEvent* event) {
  const int button = ButtonCode(event->button());
  const QPointF at = event->position();
  emit MouseDown(button, ShiftState(event->modifiers()), static_cast<float>(at.x()),
                 static_cast<float>(at.y()));
  pressedButton_ = static_cast<std::uint8_t>(button);
  afterDoubleClick_ = false;
  if (button != kRight) painter_.Redraw(kDown, false);
}

void ButtonInput::MouseDoubleClicked(QMouseEvent* event) {
  // Qt replaces the second press of a double click by this event; it counts as that press. The
  // swallowed press still grabbed the mouse, so the release comes here.
  if (pressedButton_ != kLeft) return;
  emit MouseDown(kLeft, ShiftState(event->modifiers()), 0.0f, 0.0f);
  painter_.Redraw(kDown, false);
  afterDoubleClick_ = true;
}

void ButtonInput::MouseReleased(QMouseEvent* event) {
  const int button = ButtonCode(event->button());
  const QPointF at = event->position();
  emit MouseUp(button, ShiftState(event->modifiers()), static_cast<float>(at.x()),
               static_cast<float>(at.y()));
  if (button != kRight) painter_.Redraw(kUp, false);
  const bool endsDoubleClick = afterDoubleClick_;
  afterDoubleClick_ = false;
  // The click is a left release over the button; the release ending a double click is not one.
  const QRegion shape = painter_.Region().isEmpty() ? QRegion(button_.rect()) : painter_.Region();
  if (button == kLeft && !endsDoubleClick && shape.contains(at.toPoint())) PerformClick();
}

void ButtonInput::MouseMoved(QMouseEvent* event) {
  const int held = HeldButtons(event->buttons());
  const QPointF at = event->position();
  emit MouseMove(held, ShiftState(event->modifiers()), static_cast<float>(at.x()),
                 static_cast<float>(at.y()));
  if (held != 0 && held != kLeft) return;
  const bool over = IsMouseOver();
  if (over && held == 0 && !interaction_.pointerOver) {
    EnterOverLook();
  } else if (over && held == kLeft) {
    // Dragging back onto the button shows it pressed, without the over look.
    interaction_.pointerOver = true;
    painter_.Redraw(kDown, false);
    interaction_.pointerOver = false;
  } else if (!over) {
    painter_.Redraw(kUp, false);
  }
}

void ButtonInput::PointerEntered() {
  if (QApplication::mouseButtons() == Qt::NoButton && !interaction_.pointerOver && IsMouseOver())
    EnterOverLook();
}

void ButtonInput::PointerLeft() {
  // The timer would notice within a tick; leaving is known now.
  if (overTimer_.isActive()) CheckPointerLeft();
}

void ButtonInput::KeyPressed(QKeyEvent* event) {
  const int code = VirtualKey(event->key());
  emit KeyDown(code, ShiftState(event->modifiers()));
  lastKey_ = static_cast<std::uint8_t>(code);
  switch (code) {
    case kKeySpace:
      painter_.Redraw(kDown, false);
      break;
    case kKeyEnter:
      // Enter presses the focused button as Space does, rather than the window's default.
      if (!event->isAutoRepeat()) painter_.Redraw(kDown, false);
      break;
    case kKeyLeft:
    case kKeyUp:
      moveFocus_(false);
      break;
    case kKeyRight:
    case kKeyDown:
      moveFocus_(true);
      break;
    default:
      // Escape and the rest stay with the host window.
      event->ignore();
      break;
  }
  const QString text = event->text();
  for (const QChar character : text) emit KeyPress(character.unicode());
}

void ButtonInput::KeyReleased(QKeyEvent* event) {
  // A held key repeats its press only, as the host expects.
  if (event->isAutoRepeat()) {
    event->ignore();
    return;
  }
  const int code = VirtualKey(event->key());
  emit KeyUp(code, ShiftState(event->modifiers()));
  const bool pressKey = code == kKeySpace || code == kKeyEnter;
  if (!pressKey || lastKey_ != code) {
    event->ignore();
    return;
  }
  lastKey_ = 0;
  if (properties_.checkBoxBehaviour) properties_.value = !properties_.value;
  painter_.Redraw(kUp, false);
  button_.repaint();
  emit Click();
}

void ButtonInput::FocusChanged(bool hasFocus) {
  interaction_.hasFocus = hasFocus;
  painter_.Repaint();
}

}  // namespace vokabi::ui
