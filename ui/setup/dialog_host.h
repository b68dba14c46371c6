#pragma once

#include <QFont>
#include <QString>
#include <memory>
#include <vector>

#include "app/desktop_integration.h"
#include "ui/controls/schemes.h"
#include "ui/setup/window_services.h"

class QWidget;

namespace vokabi {
class AppContext;
class Dictionary;
}  // namespace vokabi

namespace vokabi::ui {

// What the settings dialog and the about box need of the lookup window that opens them: its
// z-order, the program's context, the shared look they read and the settings dialog replaces, its
// dressing and tray icon, and the program's files.
class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // Puts the lookup window into the topmost band or takes it out, without showing a hidden one.
  virtual void SetLookupTopmost(bool topmost) = 0;
  // Form1Setup of the lookup window: captions, fonts and colours again.
  virtual void DressLookupWindow() = 0;
  // SysTray, or the icon taken out of the notification area.
  virtual void ShowTrayIcon(bool shown) = 0;
  // The clipboard and selection timers, on or off by their settings.
  virtual void SwitchLookupTimers() = 0;

  // The settings the dialog edits, the interface language, the message object and the store.
  virtual AppContext& Context() = 0;
  // The message box, document opener and printer list the windows use.
  virtual const WindowServices& Services() const = 0;
  virtual SchemeColours& Colours() = 0;
  virtual QFont& FontLarge() = 0;
  virtual QFont& FontSmall() = 0;
  // The installed bases, in the lookup window's order.
  virtual const std::vector<std::unique_ptr<Dictionary>>& Dictionaries() const = 0;

  // The running program, for the start-with-session and browser entries.
  virtual ProgramFile Program() const = 0;
  // The handbook the about box's web line opens: beside the program, else the installed one.
  virtual QString HandbookFile() const = 0;
};

}  // namespace vokabi::ui
