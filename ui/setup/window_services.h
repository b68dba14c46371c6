#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/open_document.h"

class QWidget;

namespace vokabi::ui {

// What the windows ask of the desktop beyond themselves: a message box, a document opened by the
// desktop's own program, the installed printers. Start-up gives the system's; a test gives its own
// stand-ins.
struct WindowServices {
  // A modal message over parent, under parent's title.
  std::function<void(QWidget* parent, QMessageBox::Icon icon, const QString& text)> messageBox;
  // Opens an address with the program the desktop chooses for it.
  platform::DocumentOpener openDocument;
  // The device names of the installed printers, in the system's order.
  std::function<QStringList()> printers;

  static WindowServices System();
};

}  // namespace vokabi::ui
