#pragma once

#include <QJsonObject>
#include <QString>

#include "ui/main/app_state.h"

class QWidget;

namespace vokabi::ui {

// What tests of the whole program and the start-up benchmark read from outside: with the
// environment variable VOKABI_TEST_STATE_FILE set, one JSON line is appended to that file when
// the window is ready ("ready", once every base has loaded, with the bases loaded, the word box's
// and the translation pane's text and where the window's named controls are), when it is first
// painted ("shown"), after each handed-over lookup ("lookup", with the word box's and the
// translation pane's text) and when another window opens ("window", with its name and where its
// named controls are, so a test can click them with the X server's own input). Unset, nothing
// happens.
class TestProbe {
 public:
  TestProbe();
  bool Active() const { return !file_.isEmpty(); }

  void Ready(const QWidget* window, const AppState& app);
  // Records "shown" at the window's first paint.
  void WatchFirstPaint(QWidget* window);
  void Lookup(const QWidget* window);

 private:
  void Append(const QByteArray& line) const;
  void Append(const QJsonObject& record) const;

  QString file_;
};

}  // namespace vokabi::ui
