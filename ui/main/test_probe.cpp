#include "ui/main/test_probe.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>
#include <functional>

namespace vokabi::ui {

namespace {

// The text a control shows, whatever kind of text control it is.
QString ControlText(const QWidget* window, const char* name) {
  const QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(name));
  if (!control) return {};
  if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
  for (const char* property : {"plainText", "text"}) {
    const QVariant text = control->property(property);
    if (text.isValid()) return text.toString();
  }
  return {};
}

// Calls back once, at the first paint of the object it watches.
class FirstPaintFilter : public QObject {
 public:
  FirstPaintFilter(std::function<void()> notice, QObject* parent)
      : QObject(parent), notice_(std::move(notice)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      deleteLater();
      notice_();
    }
    return false;
  }

 private:
  std::function<void()> notice_;
};

// The screen centre of each named, visible control of a window, by name.
QJsonObject ControlCentres(const QWidget* window) {
  QJsonObject centres;
  for (const QWidget* control : window->findChildren<QWidget*>()) {
    if (control->objectName().isEmpty() || !control->isVisible()) continue;
    const QPoint centre = control->mapToGlobal(control->rect().center());
    centres.insert(control->objectName(), QJsonArray{centre.x(), centre.y()});
  }
  return centres;
}

// Records each window that opens after the main one.
class WindowFilter : public QObject {
 public:
  WindowFilter(std::function<void(const QWidget*)> notice, QObject* parent)
      : QObject(parent), notice_(std::move(notice)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      const auto* widget = static_cast<const QWidget*>(watched);
      if (widget->isWindow()) notice_(widget);
    }
    return false;
  }

 private:
  std::function<void(const QWidget*)> notice_;
};

}  // namespace

TestProbe::TestProbe() : file_(qEnvironmentVariable("VOKABI_TEST_STATE_FILE")) {}

void TestProbe::Ready(const QWidget* window, const AppState& app) {
  if (!Active()) return;
  QJsonArray bases;
  for (const auto& dictionary : app.Dictionaries)
    bases.append(QString::fromStdString(dictionary->DicName()));
  Append(QJsonObject{{QStringLiteral("event"), QStringLiteral("ready")},
                     {QStringLiteral("bases"), bases},
                     {QStringLiteral("word"), ControlText(window, "Combo1")},
                     {QStringLiteral("pane"), ControlText(window, "Text2")},
                     {QStringLiteral("controls"), ControlCentres(window)}});
  // Shown only once the event loop runs: the centres are where the window system put them.
  const TestProbe probe = *this;
  qApp->installEventFilter(new WindowFilter(
      [probe](const QWidget* opened) {
        probe.Append(QJsonObject{{QStringLiteral("event"), QStringLiteral("window")},
                                 {QStringLiteral("name"), opened->objectName()},
                                 {QStringLiteral("controls"), ControlCentres(opened)}});
      },
      qApp));
}

void TestProbe::WatchFirstPaint(QWidget* window) {
  if (!Active()) return;
  window->installEventFilter(
      new FirstPaintFilter([this] { Append(R"({"event":"shown"})"); }, window));
}

void TestProbe::Lookup(const QWidget* window) {
  if (!Active()) return;
  Append(QJsonObject{{QStringLiteral("event"), QStringLiteral("lookup")},
                     {QStringLiteral("word"), ControlText(window, "Combo1")},
                     {QStringLiteral("pane"), ControlText(window, "Text2")}});
}

void TestProbe::Append(const QJsonObject& record) const {
  Append(QJsonDocument(record).toJson(QJsonDocument::Compact));
}

void TestProbe::Append(const QByteArray& line) const {
  QFile file(file_);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return;
  file.write(line + '\n');
}

}  // namespace vokabi::ui
