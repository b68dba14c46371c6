#pragma once

#include <QChar>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "ui/controls/button_painter.h"
#include "ui/controls/button_properties.h"

class QEnterEvent;
class QKeyEvent;
class QMouseEvent;
class QShortcut;
class QWidget;

namespace vokabi::ui {

// The input part of a Button: its mouse, keyboard, focus and access-key handling, and the
// watching of the pointer that gives the over look. It keeps the interaction the painting shows,
// asks the painter for the pressed and up looks, and raises the button's events as its own.
class ButtonInput : public QObject {
  Q_OBJECT

 public:
  // moveFocus(true) gives the focus to the next control of the window, (false) to the previous.
  ButtonInput(QWidget& button, ButtonProperties& properties, ButtonInteraction& interaction,
              ButtonPainter& painter, std::function<void(bool next)> moveFocus);

  // The button's input events, handed on as they come.
  void MousePressed(QMouseEvent* event);
  void MouseReleased(QMouseEvent* event);
  void MouseDoubleClicked(QMouseEvent* event);
  void MouseMoved(QMouseEvent* event);
  void PointerEntered();
  void PointerLeft();
  void KeyPressed(QKeyEvent* event);
  void KeyReleased(QKeyEvent* event);
  void FocusChanged(bool hasFocus);

  // Run whenever the caption changes: Alt and the letter after the first single "&" click.
  void UpdateAccessKey();
  QChar AccessKey() const { return accessKey_; }
  // A press by the access key or by assistive technology: a click.
  void PressAccessKey();

  // True when the window under the pointer is the button, so a window covering it is outside.
  bool IsMouseOver() const;
  bool PointerOver() const { return interaction_.pointerOver; }
  // Replaces the pointer-position check where the pointer cannot be moved (tests).
  void SetMouseOverProbe(std::function<bool()> probe) { mouseOverProbe_ = std::move(probe); }

 signals:
  void Click();
  void MouseDown(int button, int shift, float x, float y);
  void MouseMove(int button, int shift, float x, float y);
  void MouseUp(int button, int shift, float x, float y);
  void KeyPress(int character);
  void KeyDown(int keyCode, int shift);
  void KeyUp(int keyCode, int shift);
  void MouseOver();
  void MouseOut();

 private:
  void PerformClick();
  void EnterOverLook();
  void CheckPointerLeft();

  QWidget& button_;
  ButtonProperties& properties_;  // a click toggles Value
  ButtonInteraction& interaction_;
  ButtonPainter& painter_;
  std::function<void(bool next)> moveFocus_;

  std::uint8_t pressedButton_ = 0;  // 1 left, 2 right, 4 middle
  std::uint8_t lastKey_ = 0;
  bool afterDoubleClick_ = false;  // the release ending a double click is no second click
  QChar accessKey_;
  QShortcut* accessShortcut_ = nullptr;
  QTimer overTimer_;
  std::function<bool()> mouseOverProbe_;
};

}  // namespace vokabi::ui
