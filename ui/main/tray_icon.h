#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <QObject>
#include <QString>
#include <functional>
#include <utility>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace vokabi::ui {

// The notification-area icon with its menu mnuTOP: Restore (the default), Settings, About, Exit.
class TrayIcon : public QObject {
  Q_OBJECT

 public:
  // The menu and the icon belong to window, so tests find them among its children.
  explicit TrayIcon(QWidget& window);

  // Whether the desktop has a notification area; tests replace the platform's answer.
  bool Available() const { return available_ && available_(); }
  void SetAvailableProbe(std::function<bool()> probe) { available_ = std::move(probe); }

  // SysTray: shows the icon with the window's title as its tip.
  void Add(const QString& title);
  void Remove();
  bool Shown() const;
  // The tip follows the window's title; the tip holds 63 characters.
  void SetTip(const QString& title);
  // Menu captions in the interface language.
  void SetTexts(const QString& restore, const QString& setup, const QString& about,
                const QString& exit);

 signals:
  void RestoreRequested();
  void SetupRequested();
  void AboutRequested();
  void ExitRequested();

 private:
  QMenu* mnuTOP_ = nullptr;
  QAction* mnuRestore_ = nullptr;
  QAction* mnuSetup_ = nullptr;
  QAction* mnuAbout_ = nullptr;
  QAction* mnuExit_ = nullptr;
  QSystemTrayIcon* tray_ = nullptr;
  std::function<bool()> available_;
};

}  // namespace vokabi::ui
