#include "ui/main/test_probe.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
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

}  // namespace

TestProbe::TestProbe() : file_(qEnvironmentVariable("VOKABI_TEST_STATE_FILE")) {}

void TestProbe::Ready() {
  if (Active()) Append(R"({"event":"ready"})");
}

void TestProbe::WatchFirstPaint(QWidget* window) {
  if (!Active()) return;
  window->installEventFilter(
      new FirstPaintFilter([this] { Append(R"({"event":"shown"})"); }, window));
}

void TestProbe::Lookup(const QWidget* window) {
  if (!Active()) return;
  const QJsonObject record{{QStringLiteral("event"), QStringLiteral("lookup")},
                           {QStringLiteral("word"), ControlText(window, "Combo1")},
                           {QStringLiteral("pane"), ControlText(window, "Text2")}};
  Append(QJsonDocument(record).toJson(QJsonDocument::Compact));
}

void TestProbe::Append(const QByteArray& line) const {
  QFile file(file_);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return;
  file.write(line + '\n');
}

}  // namespace vokabi::ui
