#include "ui/main/tray_icon.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

#include "resources/pictures.h"

namespace vokabi::ui {

namespace {

// The tip holds 64 characters with its terminating zero.
constexpr int kTipLength = 63;

QAction* AddItem(QMenu* menu, const char* name) {
  QAction* action = menu->addAction(QString());
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

TrayIcon::TrayIcon(QWidget& window)
    : QObject(&window), available_(&QSystemTrayIcon::isSystemTrayAvailable) {
  mnuTOP_ = new QMenu(&window);
  mnuTOP_->setObjectName(QStringLiteral("mnuTOP"));
  mnuRestore_ = AddItem(mnuTOP_, "mnuRestore");
  QFont bold = mnuRestore_->font();
  bold.setBold(true);
  mnuRestore_->setFont(bold);
  mnuTOP_->setDefaultAction(mnuRestore_);
  mnuSetup_ = AddItem(mnuTOP_, "mnuSetup");
  mnuAbout_ = AddItem(mnuTOP_, "mnuAbout");
  mnuTOP_->addSeparator()->setObjectName(QStringLiteral("MnuCh1"));
  mnuExit_ = AddItem(mnuTOP_, "mnuExit");
  connect(mnuRestore_, &QAction::triggered, this, &TrayIcon::RestoreRequested);
  connect(mnuSetup_, &QAction::triggered, this, &TrayIcon::SetupRequested);
  connect(mnuAbout_, &QAction::triggered, this, &TrayIcon::AboutRequested);
  connect(mnuExit_, &QAction::triggered, this, &TrayIcon::ExitRequested);

  tray_ = new QSystemTrayIcon(ProgramIcon(), &window);
  tray_->setObjectName(QStringLiteral("Tray"));
  // The platform pops the menu on a right click in any window state.
  tray_->setContextMenu(mnuTOP_);
  connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
    if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
      emit RestoreRequested();
  });
}

void TrayIcon::Add(const QString& title) {
  SetTip(title);
  tray_->show();
}

void TrayIcon::Remove() {
  tray_->hide();
}

bool TrayIcon::Shown() const {
  return tray_->isVisible();
}

void TrayIcon::SetTip(const QString& title) {
  tray_->setToolTip(title.left(kTipLength));
}

void TrayIcon::SetTexts(const QString& restore, const QString& setup, const QString& about,
                        const QString& exit) {
  mnuRestore_->setText(restore);
  mnuSetup_->setText(setup);
  mnuAbout_->setText(about);
  mnuExit_->setText(exit);
}

}  // namespace vokabi::ui
