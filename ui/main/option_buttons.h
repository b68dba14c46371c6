#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <vector>

#include "ui/controls/schemes.h"
#include "ui/main/app_state.h"

class QButtonGroup;
class QWidget;

namespace vokabi::ui {

class FlagButton;

// Option1: one flag button per base, in rows across the window; the checked one is the working
// base. The flag of a base still loading is pale and says so, yet can be chosen.
class OptionButtons : public QObject {
  Q_OBJECT

 public:
  // The first button stands at first until the bases are known.
  OptionButtons(QWidget& window, const AppState& app, const QRect& first);

  // A button for each further base, a new row where the window's width runs out; once.
  void Build();
  // Colours, mark, tooltips and accessible names in the interface language.
  void Dress(const SchemeColours& colours);
  // The base at index has loaded: its flag shows as the others do.
  void Arrived(int index);
  // A base left the list: the buttons are made again for the bases there are now, unchecked.
  void Rebuild(const SchemeColours& colours);
  // Checks button index; whether the check moved (false for an index without a button).
  bool Check(int index);
  // The base's two languages in the interface language, as its button's tooltip says.
  QString BaseNames(int index) const;

 signals:
  // Option1_Click: the user chose the button.
  void Clicked(int index);
  // A key released on a button, with the key codes of key_codes.h.
  void KeyUp(int keyCode);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FlagButton* Make(int index);
  // The flag, tooltip and accessible name of the base's button, pale while it loads.
  void Describe(int index);
  int BaseCount() const { return static_cast<int>(app_.Dictionaries.size()); }

  QWidget& window_;
  const AppState& app_;
  QButtonGroup* group_ = nullptr;
  std::vector<FlagButton*> options_;
};

}  // namespace vokabi::ui
