#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include "ui/controls/button_look.h"
#include "ui/controls/button_palette.h"
#include "ui/controls/button_properties.h"

class QWidget;

namespace vokabi::ui {

// How the user is handling a button at the moment; its input handling keeps it.
struct ButtonInteraction {
  bool pointerOver = false;
  bool hasFocus = false;
};

// The painting part of a Button. It reads the button's properties and interaction, never
// changes them, and keeps what it works out from them: the colours, the caption's place, the
// window shape and the face last asked for, which the button's paint event draws.
class ButtonPainter {
 public:
  ButtonPainter(QWidget& button, const ButtonProperties& properties,
                const ButtonInteraction& interaction);

  // Repaints in state 0 (up) or 2 (down); without force, nothing happens when neither the state
  // nor the caption changed since the last painting.
  void Redraw(int state, bool force);
  // The setters' two repaints: in the last painted state, or up; both forced.
  void Repaint() { Redraw(lastState_, true); }
  void RepaintUp() { Redraw(0, true); }

  void ComputeColours();
  void LayoutCaption();
  void MeasurePicture();
  // Focus rectangle, caption, window shape and face for the button's present size and type.
  void HandleResize();
  void ButtonTypeChanged();

  // Painting stops until Refresh, which recomputes colours and layout and repaints.
  void DisableRefresh() { ready_ = false; }
  void Refresh();

  // The button's paint, show and hide events, and its host's font or colours changing.
  void Paint();
  void Shown();
  void Hidden();
  void HostChanged();

  // What the painting has worked out and painted.
  const ButtonPalette& Palette() const { return palette_; }
  const CaptionLayout& Layout() const { return layout_; }
  QRect FocusRect() const { return focusRect_; }
  // The window shape; empty while the button is a plain rectangle.
  const QRegion& Region() const { return region_; }
  int LastState() const { return lastState_; }
  QString LastCaption() const { return lastCaption_; }
  int CaptionMode() const { return captionMode_; }
  // Redraws that got past the "nothing changed" check and painted.
  int RedrawCount() const { return redrawCount_; }

 private:
  void CaptureBackground();
  ButtonLook BuildLook(int state) const;
  PaletteSource Source() const;

  QWidget& button_;
  const ButtonProperties& properties_;
  const ButtonInteraction& interaction_;

  QImage background_;  // type 11: what lies under the button
  CaptionLayout layout_;
  QRect focusRect_;
  QSize pictureSize_;
  QRegion region_;
  ButtonPalette palette_;
  int lastState_ = 0;
  QString lastCaption_;
  bool ready_ = true;
  bool busy_ = false;  // while type 11 copies what lies under it
  int captionMode_ = 0;
  int redrawCount_ = 0;
  // Painting is deferred to the paint event; this is the face as the last Redraw left it.
  ButtonLook look_;
  bool hasLook_ = false;
};

}  // namespace vokabi::ui
