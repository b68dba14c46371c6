#include "ui/main/lookup_dialog_host.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <filesystem>

#include "app/installed_files.h"
#include "resources/pictures.h"
#include "ui/main/form1.h"
#include "ui/main/tray_icon.h"

namespace vokabi::ui {

namespace {

constexpr int kIconSize = 64;

QByteArray IconPng() {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  ProgramIcon().pixmap(kIconSize).save(&buffer, "PNG");
  return bytes;
}

}  // namespace

void LookupDialogHost::SetLookupTopmost(bool topmost) {
  // A window waiting in the tray stays hidden; it takes the band when it is shown.
  if (form_.isVisible()) {
    SetTopmost(&form_, topmost);
  } else {
    form_.setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
  }
}

void LookupDialogHost::DressLookupWindow() {
  form_.Form1Setup();
}

void LookupDialogHost::ShowTrayIcon(bool shown) {
  if (shown) {
    form_.SysTray();
  } else {
    tray_.Remove();
  }
}

void LookupDialogHost::SwitchLookupTimers() {
  form_.SwitchTimers();
}

ProgramFile LookupDialogHost::Program() const {
  const QByteArray png = IconPng();
  return {QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(),
          png.toStdString()};
}

QString LookupDialogHost::HandbookFile() const {
  const std::filesystem::path program =
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  return QFile::decodeName(QByteArray::fromStdString(vokabi::HandbookFile(program).string()));
}

}  // namespace vokabi::ui
