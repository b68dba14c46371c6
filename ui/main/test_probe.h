#pragma once

#include <QString>

class QWidget;

namespace vokabi::ui {

// What tests of the whole program and the start-up benchmark read from outside: with the
// environment variable VOKABI_TEST_STATE_FILE set, one JSON line is appended to that file when
// the window is ready ("ready"), when it is first painted ("shown") and after each handed-over
// lookup ("lookup", with the word box's and the translation pane's text). Unset, nothing happens.
class TestProbe {
 public:
  TestProbe();
  bool Active() const { return !file_.isEmpty(); }

  void Ready();
  // Records "shown" at the window's first paint.
  void WatchFirstPaint(QWidget* window);
  void Lookup(const QWidget* window);

 private:
  void Append(const QByteArray& line) const;

  QString file_;
};

}  // namespace vokabi::ui
