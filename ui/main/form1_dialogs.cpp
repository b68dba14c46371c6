// The settings dialog and the about box, opened from their buttons and the tray menu.
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <filesystem>

#include "app/installed_files.h"
#include "resources/pictures.h"
#include "ui/about/frm_about.h"
#include "ui/main/form1.h"
#include "ui/main/tray_icon.h"
#include "ui/setup/frm_setup.h"

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

// The lookup window as the dialogs see it.
class Form1DialogHost final : public DialogHost {
 public:
  explicit Form1DialogHost(Form1& form) : form_(form) {}

  void SetLookupTopmost(bool topmost) override {
    // A window waiting in the tray stays hidden; it takes the band when it is shown.
    if (form_.isVisible()) {
      SetTopmost(&form_, topmost);
    } else {
      form_.setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    }
  }
  void DressLookupWindow() override { form_.Form1Setup(); }
  void ShowTrayIcon(bool shown) override {
    if (shown) {
      form_.SysTray();
    } else {
      form_.tray_->Remove();
    }
  }
  void SwitchLookupTimers() override { form_.SwitchTimers(); }
  SchemeColours& Colours() override { return form_.app_.Colours; }
  QFont& FontLarge() override { return form_.app_.FontLarge; }
  QFont& FontSmall() override { return form_.app_.FontSmall; }
  const std::vector<std::unique_ptr<Dictionary>>& Dictionaries() const override {
    return form_.app_.Dictionaries;
  }
  ProgramFile Program() const override {
    const QByteArray png = IconPng();
    return {QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(),
            png.toStdString()};
  }
  QString HandbookFile() const override {
    const std::filesystem::path program =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    return QFile::decodeName(QByteArray::fromStdString(vokabi::HandbookFile(program).string()));
  }

 private:
  Form1& form_;
};

void Form1::BtnSetup_Click() {
  // One dialog at a time: the tray menu reaches it while it is open.
  if (auto* open = findChild<FrmSetup*>()) {
    open->activateWindow();
    return;
  }
  (new FrmSetup(std::make_unique<Form1DialogHost>(*this), this))->show();
}

void Form1::BtnAbout_Click() {
  if (auto* open = findChild<frmAbout*>()) {
    open->activateWindow();
    return;
  }
  (new frmAbout(std::make_unique<Form1DialogHost>(*this), this))->show();
}

}  // namespace vokabi::ui
