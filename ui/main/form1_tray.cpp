// The tray icon with its menu, minimising, closing and the topmost band.
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QSystemTrayIcon>

#include "app/settings.h"
#include "resources/pictures.h"
#include "ui/main/form1.h"

namespace vokabi::ui {

namespace {

// The tip holds 64 characters with its terminating zero.
constexpr int kTrayTipLength = 63;
constexpr int kTwipsPerInch = 1440;

QAction* AddItem(QMenu* menu, const char* name) {
  QAction* action = menu->addAction(QString());
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

void Form1::BuildMenu() {
  mnuTOP_ = new QMenu(this);
  mnuTOP_->setObjectName(QStringLiteral("mnuTOP"));
  mnuRestore_ = AddItem(mnuTOP_, "mnuRestore");
  QFont bold = mnuRestore_->font();
  bold.setBold(true);
  mnuRestore_->setFont(bold);
  mnuTOP_->setDefaultAction(mnuRestore_);
  // Settings and About open their windows once those exist.
  mnuSetup_ = AddItem(mnuTOP_, "mnuSetup");
  mnuAbout_ = AddItem(mnuTOP_, "mnuAbout");
  mnuTOP_->addSeparator()->setObjectName(QStringLiteral("MnuCh1"));
  mnuExit_ = AddItem(mnuTOP_, "mnuExit");
  connect(mnuRestore_, &QAction::triggered, this, &Form1::mnuRestore_Click);
  connect(mnuExit_, &QAction::triggered, this, &Form1::CloseAndSave);

  tray_ = new QSystemTrayIcon(ProgramIcon(), this);
  tray_->setObjectName(QStringLiteral("Tray"));
  // The platform pops the menu on a right click in any window state.
  tray_->setContextMenu(mnuTOP_);
  connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
    if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick) mnuRestore_Click();
  });
}

void Form1::UpdateTrayTip() {
  tray_->setToolTip(windowTitle().left(kTrayTipLength));
}

void Form1::SysTray() {
  UpdateTrayTip();
  tray_->show();
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
  // Without a tray a hidden window could never be reached again.
  if (trayAvailable_ && trayAvailable_()) {
    hide();
  } else {
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
  tray_->hide();
  SaveClosingSettings(x() * kTwipsPerInch / logicalDpiX(), y() * kTwipsPerInch / logicalDpiY());
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
  const QPoint at = window->pos();
  const bool quiet = window->testAttribute(Qt::WA_ShowWithoutActivating);
  window->setAttribute(Qt::WA_ShowWithoutActivating, true);
  if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != topmost) {
    // Changing a window's flags hides it and may forget where it stood.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    window->move(at);
  }
  window->show();
  window->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
}

}  // namespace vokabi::ui
