#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QToolButton>

#include "ui/controls/colour.h"

namespace vokabi::ui {

// Option1: one base's flag; the working base's flag wears a frame in the scheme's mark colour,
// so it stands out whatever the scheme's face colour. Tab reaches it, Space or Enter chooses it,
// and the first nine answer to Ctrl+1 … Ctrl+9 anywhere in their window.
class FlagButton : public QToolButton {
 public:
  explicit FlagButton(QWidget* parent);

  void SetMarkColour(Colour colour);
  // The flag's place in the row from 0; the first nine take their Ctrl+digit.
  void SetNumber(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  Colour mark_ = 0x000000;
};

}  // namespace vokabi::ui
