#include "ui/main/window_manager.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace vokabi::ui {

// Under X11 without a window manager, a request to minimise leaves the window where it is anyway.
bool PlatformMinimises() {
  const QString platform = QGuiApplication::platformName();
  return platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
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
