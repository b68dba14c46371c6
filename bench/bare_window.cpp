// The yardstick for the start-up benchmark: a bare Qt window that says when it is first painted
// and then ends, as the benchmark reads it from the program.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class BareWindow : public QWidget {
 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      std::puts(R"({"event":"shown"})");
      std::fflush(stdout);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QWidget::event(event);
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  BareWindow window;
  window.resize(460, 323);
  window.show();
  return QApplication::exec();
}
