#include "ui/controls/button_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/controls/button.h"

namespace vokabi::ui {

class ButtonAccessible : public QAccessibleWidget {
 public:
  explicit ButtonAccessible(Button* button) : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    const auto* button = static_cast<const Button*>(widget());
    switch (t) {
      case QAccessible::Name: {
        if (!button->accessibleName().isEmpty()) return button->accessibleName();
        const QString caption = CaptionText(button->Caption()).trimmed();
        return caption.isEmpty() ? button->toolTip() : caption;
      }
      case QAccessible::Description:
        return button->toolTip();
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const auto* button = static_cast<const Button*>(widget());
    if (button->CheckBoxBehaviour()) {
      state.checkable = true;
      state.checked = button->Value();
    }
    state.pressed = button->Painter().LastState() == 2;
    return state;
  }

  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& name) override {
    if (name != pressAction()) {
      QAccessibleWidget::doAction(name);
      return;
    }
    auto* button = static_cast<Button*>(widget());
    if (button->Enabled()) button->PressFromAssistant();
  }
};

namespace {

QAccessibleInterface* ButtonFactory(const QString& className, QObject* object) {
  auto* button = qobject_cast<Button*>(object);
  if (button == nullptr || className != QLatin1String(Button::staticMetaObject.className())) {
    return nullptr;
  }
  return new ButtonAccessible(button);
}

}  // namespace

QString CaptionText(const QString& caption) {
  QString text;
  text.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') {
        text += u'&';
        ++i;
      }
      continue;
    }
    text += caption[i];
  }
  return text;
}

void InstallButtonAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ButtonFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace vokabi::ui
