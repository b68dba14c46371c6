#include "ui/setup/window_services.h"

#include <QDesktopServices>
#include <QPrinterInfo>
#include <QWidget>

namespace vokabi::ui {

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, parent ? parent->windowTitle() : QString(), text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

WindowServices WindowServices::System() {
  return {&ShowBox, &QDesktopServices::openUrl, &QPrinterInfo::availablePrinterNames};
}

}  // namespace vokabi::ui
