// The window's own frame buttons: minimise and close, restoring from the tray, closing with what
// closing saves, and the topmost band.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QWindow>

#include "app/desktop_integration.h"
#include "app/registry.h"
#include "app/settings.h"
#include "ui/controls/button.h"
#include "ui/main/form1.h"
#include "ui/main/tray_icon.h"
#include "ui/setup/dialog_parts.h"

namespace vokabi::ui {

namespace {

constexpr int kPictureSize = 10;
constexpr Colour kPictureMask = 0xFFFFFF;
constexpr int kTwipsPerInch = 1440;

// A small black picture on the mask colour, which the button leaves transparent.
QImage FramePicture(bool cross) {
  QImage picture(kPictureSize, kPictureSize, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(QPen(Qt::black, 2));
  if (cross) {
    painter.drawLine(1, 1, kPictureSize - 2, kPictureSize - 2);
    painter.drawLine(1, kPictureSize - 2, kPictureSize - 2, 1);
  } else {
    painter.drawLine(1, kPictureSize - 2, kPictureSize - 2, kPictureSize - 2);
  }
  return picture;
}

// Without a window manager (the offscreen and minimal platforms have none) a window cannot be
// minimised; under X11 without one, a request to minimise leaves the window where it is anyway.
bool PlatformMinimises() {
  const QString platform = QGuiApplication::platformName();
  return platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}

}  // namespace

void Form1::DrawFramePictures() {
  for (Button* button : {btnMin_, btnClose_, btnCloseCyr_, btnCloseLat_}) {
    button->DisableRefresh();
    button->SetPictureNormal(FramePicture(button != btnMin_));
    button->SetMaskColor(kPictureMask);
    button->SetUseMaskColor(true);
    button->SetPicturePosition(4);
    button->SetBord(false);
    button->Refresh();
  }
}

void Form1::resizeEvent(QResizeEvent* event) {
  // The background label covers the whole client area, so all of it drags the window.
  labelFon_->setGeometry(rect());
  FramelessWindow::resizeEvent(event);
}

void Form1::SetTrayAvailableProbe(std::function<bool()> probe) {
  tray_->SetAvailableProbe(std::move(probe));
}

void Form1::SysTray() {
  tray_->Add(windowTitle());
}

void Form1::BtnMin_Click() {
  setWindowState(windowState() | Qt::WindowMinimized);
}

void Form1::BtnClose_Click() {
  if (!AppSettings.MinimizeToTray) {
    CloseAndSave();
    return;
  }
  if (!AppSettings.SystrayIcon) SysTray();
  // Without a tray a hidden window could never be reached again, nor a minimised one without a
  // window manager: the window then stays as it is.
  if (tray_->Available()) {
    hide();
  } else if (canMinimise_ ? canMinimise_() : PlatformMinimises()) {
    BtnMin_Click();
  }
}

void Form1::mnuRestore_Click() {
  if (windowState() != Qt::WindowNoState) setWindowState(Qt::WindowNoState);
  show();
  raise();
  activateWindow();
}

void Form1::Form_QueryUnload() {
  tray_->Remove();
  // A read-only settings folder was told of at the start.
  if (!SaveClosingSettings(x() * kTwipsPerInch / logicalDpiX(),
                           y() * kTwipsPerInch / logicalDpiY()) &&
      !RegistryReadOnly())
    ShowDialogMessage(this, QMessageBox::Critical, CatalogueMessage(msg::kSettingsNotSaved));
  // The browser's entry follows the program to wherever it now lives.
  if (AppSettings.IEintegration)
    InstallBrowserMenu(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
}

void Form1::CloseAndSave() {
  if (closing_) return;
  closing_ = true;
  Form_QueryUnload();
  hide();
  QCoreApplication::quit();
}

void Form1::closeEvent(QCloseEvent* event) {
  CloseAndSave();
  event->accept();
}

void SetTopmost(QWidget* window, bool topmost) {
  if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != topmost) {
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (window->windowHandle() != nullptr) {
      // QWidget::setWindowFlags would re-create a shown window, hiding it and taking away its
      // focus; the platform window changes its band in place.
      window->overrideWindowFlags(flags);
      window->windowHandle()->setFlags(flags);
    } else {
      window->setWindowFlags(flags);
    }
  }
  if (window->isVisible()) return;
  const bool quiet = window->testAttribute(Qt::WA_ShowWithoutActivating);
  window->setAttribute(Qt::WA_ShowWithoutActivating, true);
  window->show();
  window->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
}

}  // namespace vokabi::ui
