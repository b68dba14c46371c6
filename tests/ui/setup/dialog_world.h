#pragma once

// A lookup window with its bases and settings, and the dialogs it opens, driven by real events.
#include <QAction>
#include <QtTest>
#include <utility>
#include <vector>

#include "tests/ui/main/window_world.h"
#include "ui/controls/button.h"
#include "ui/setup/dialog_parts.h"

namespace vokabi::ui {

struct DialogWorld : World {
  DialogWorld() {
    app.Services.messageBox = [this](QWidget*, QMessageBox::Icon icon, const QString& text) {
      messages.emplace_back(icon, text);
    };
  }

  // Clicks a skinned button in its middle, as the user does.
  static void Click(Button* button) {
    QVERIFY(button != nullptr);
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // Opens a dialog from the lookup window's button and finds it among the window's children.
  template <typename Dialog>
  Dialog* Open(const char* button) {
    Click(form->findChild<Button*>(QString::fromLatin1(button)));
    auto* dialog = form->findChild<Dialog*>();
    if (dialog && !QTest::qWaitForWindowExposed(dialog)) qWarning("the dialog was not shown");
    return dialog;
  }

  std::vector<std::pair<QMessageBox::Icon, QString>> messages;
};

}  // namespace vokabi::ui
