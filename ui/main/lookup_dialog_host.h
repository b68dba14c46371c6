#pragma once

#include "ui/main/app_state.h"
#include "ui/setup/dialog_host.h"

namespace vokabi::ui {

class Form1;
class TrayIcon;

// The lookup window as the settings dialog and the about box see it.
class LookupDialogHost final : public DialogHost {
 public:
  LookupDialogHost(Form1& form, AppState& app, TrayIcon& tray)
      : form_(form), app_(app), tray_(tray) {}

  void SetLookupTopmost(bool topmost) override;
  void DressLookupWindow() override;
  void ShowTrayIcon(bool shown) override;
  void SwitchLookupTimers() override;
  AppContext& Context() override { return app_.Context; }
  const WindowServices& Services() const override { return app_.Services; }
  SchemeColours& Colours() override { return app_.Colours; }
  QFont& FontLarge() override { return app_.FontLarge; }
  QFont& FontSmall() override { return app_.FontSmall; }
  const std::vector<std::unique_ptr<Dictionary>>& Dictionaries() const override {
    return app_.Dictionaries;
  }
  ProgramFile Program() const override;
  QString HandbookFile() const override;

 private:
  Form1& form_;
  AppState& app_;
  TrayIcon& tray_;
};

}  // namespace vokabi::ui
