#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "ui/controls/frameless_window.h"
#include "ui/setup/dialog_host.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace vokabi::ui {

class Button;

// The settings dialog: interface language, font, colour scheme, printer and the nine switches.
// Its controls change nothing until Apply (or OK, or Default), which checks the font, applies
// everything at once to both windows and saves.
class FrmSetup : public FramelessWindow {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 500;
  static constexpr int kClientHeight = 334;
  static constexpr int kCheckBoxes = 9;
  // The check boxes by the setting each one switches.
  enum CheckIndex {
    kAlwaysOnTop,
    kSavePosition,
    kStartWithWindows,
    kCompleteWord,
    kClipboardTranslate,
    kSelectionTranslate,
    kIEintegration,
    kSystrayIcon,
    kMinimizeToTray
  };

  // Modal to parent, the lookup window, while it is open.
  FrmSetup(std::unique_ptr<DialogHost> host, QWidget* parent);
  ~FrmSetup() override;

  // Applies the controls; false, with message 2000 shown, when the font lacks the letters of the
  // chosen language or of the working base, and then nothing is changed.
  bool BtnApply_Click();

  // A check box's caption as the dialog draws it beside the box, and the room it has there.
  struct DrawnCaption {
    QString text;
    QRect room;
  };
  DrawnCaption CheckCaption(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // frm_setup.cpp: the controls, their filling and dressing.
  void BuildControls();
  void Form_Load();
  void FillFonts();
  void FillPrinters();
  void Restyle();
  void Check1_Click(int index);
  // Keeps the icon box checked and disabled while the start or the tray box is on.
  void HoldSystrayIcon(int index, int other);
  void BtnCancel_Click();
  // A drag that starts on a check box moves the dialog; a click still switches the box.
  bool CheckBoxDrag(QCheckBox* box, QEvent* event);

  // frm_setup_apply.cpp: the commands.
  void BtnOk_Click();
  void BtnDefault_Click();
  void ApplySwitches();
  bool On(int index) const;
  // The character sets the font must show: the interface language's and the working base's.
  std::vector<int> NeededCharsets(int interfaceCharset) const;

  std::unique_ptr<DialogHost> host_;
  AppContext& context_;  // the host's
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QComboBox* combo3_ = nullptr;
  QComboBox* combo4_ = nullptr;
  std::array<QCheckBox*, kCheckBoxes> check1_{};
  std::array<QLabel*, 4> label1_{};
  Button* btnOk_ = nullptr;
  Button* btnCancel_ = nullptr;
  Button* btnApply_ = nullptr;
  Button* btnDefault_ = nullptr;
  Button* btnClose_ = nullptr;
  // A drag begun on a check box.
  QPoint checkPressedAt_;
  QPoint windowFrom_;
  bool checkDragging_ = false;
  bool systemMoved_ = false;
};

}  // namespace vokabi::ui
