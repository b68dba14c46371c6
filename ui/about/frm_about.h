#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QString>
#include <memory>
#include <vector>

#include "app/language.h"
#include "ui/controls/colour.h"
#include "ui/controls/frameless_window.h"
#include "ui/setup/dialog_host.h"

class QLabel;

namespace vokabi::ui {

class Button;

// The about box: the logo, the version, every installed base with the word counts of its two
// directions, and the line that opens the program's handbook.
class frmAbout : public FramelessWindow {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 360;

  // Modal to parent, the lookup window, while it is open.
  frmAbout(std::unique_ptr<DialogHost> host, QWidget* parent);
  ~frmAbout() override;

  // The caption of a base's label: both directions with their word counts, one a line.
  static QString BaseCaption(const InterfaceLanguage& language, const Dictionary& dictionary);
  // Text 1 with the version: major, a full stop, minor and revision written together.
  static QString VersionCaption(const InterfaceLanguage& language);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Enter and Escape close the box, as its Ok does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Form_Load();
  // A label in the large font and the scheme's text colour at top, dragging the box unless told.
  QLabel* MakeLabel(const char* name, const QString& text, int top, bool drags = true);
  void BtnOk_Click();
  void LblHome_Click();
  void SetHomeColour(Colour colour);

  std::unique_ptr<DialogHost> host_;
  QLabel* imageLogo_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  QLabel* lblInstaled_ = nullptr;
  std::vector<QLabel*> lblDic_;
  QLabel* lblHome_ = nullptr;
  Button* btnOk_ = nullptr;
  Button* btnClose_ = nullptr;
  Colour homeColour_ = 0;
};

}  // namespace vokabi::ui
