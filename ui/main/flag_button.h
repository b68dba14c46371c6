#pragma once

#include <QToolButton>

#include "ui/controls/colour.h"

namespace vokabi::ui {

// Option1: one base's flag; the working base's flag wears a frame in the scheme's mark colour,
// so it stands out whatever the scheme's face colour.
class FlagButton : public QToolButton {
 public:
  explicit FlagButton(QWidget* parent);

  void SetMarkColour(Colour colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Colour mark_ = 0x000000;
};

}  // namespace vokabi::ui
