#include "ui/controls/program_button.h"

#include "ui/controls/button.h"

namespace vokabi::ui {

namespace {

constexpr int kButtonType = 3;
constexpr int kButtonColorScheme = 2;

}  // namespace

Button* MakeProgramButton(QWidget* parent, const char* name, const QRect& geometry) {
  auto* button = new Button(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->DisableRefresh();
  button->SetButtonType(kButtonType);
  button->SetColorScheme(kButtonColorScheme);
  button->SetHandPointer(true);
  button->setGeometry(geometry);
  button->Refresh();
  return button;
}

}  // namespace vokabi::ui
