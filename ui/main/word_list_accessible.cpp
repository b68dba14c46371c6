#include "ui/main/word_list_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <algorithm>
#include <vector>

#include "ui/main/word_list.h"

namespace vokabi::ui {

namespace {

// The labels from the top row down: a scroll leaves them in another order than their indexes.
std::vector<QLabel*> LabelsByRow(const WordList* list) {
  std::vector<QLabel*> labels;
  for (int i = 0; i < WordList::kRows; ++i) labels.push_back(list->Label(i));
  std::stable_sort(labels.begin(), labels.end(),
                   [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
  return labels;
}

class WordListAccessible : public QAccessibleWidget {
 public:
  explicit WordListAccessible(WordList* list) : QAccessibleWidget(list, QAccessible::List) {}

  int childCount() const override { return WordList::kRows; }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= WordList::kRows) return nullptr;
    return QAccessible::queryAccessibleInterface(
        LabelsByRow(List())[static_cast<std::size_t>(index)]);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    const std::vector<QLabel*> labels = LabelsByRow(List());
    const auto found = std::find(labels.begin(), labels.end(), child->object());
    return found == labels.end() ? -1 : static_cast<int>(found - labels.begin());
  }

 private:
  const WordList* List() const { return static_cast<const WordList*>(widget()); }
};

class WordListItemAccessible : public QAccessibleWidget {
 public:
  WordListItemAccessible(QLabel* label, WordList* list)
      : QAccessibleWidget(label, QAccessible::ListItem), list_(list) {}

  QString text(QAccessible::Text t) const override {
    // The tooltip holds the whole headword where the label shows it cut short.
    if (t == QAccessible::Name) return widget()->isHidden() ? QString() : widget()->toolTip();
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.selectable = true;
    state.selected = list_->Highlighted(Index());
    state.focusable = true;
    state.focused = state.selected && list_->hasFocus();
    return state;
  }

 private:
  int Index() const {
    for (int i = 0; i < WordList::kRows; ++i) {
      if (list_->Label(i) == widget()) return i;
    }
    return -1;
  }

  WordList* list_;
};

QAccessibleInterface* WordListFactory(const QString& className, QObject* object) {
  if (auto* list = qobject_cast<WordList*>(object);
      list != nullptr && className == QLatin1String(WordList::staticMetaObject.className())) {
    return new WordListAccessible(list);
  }
  auto* label = qobject_cast<QLabel*>(object);
  if (label == nullptr || className != QLatin1String("QLabel")) return nullptr;
  auto* list = qobject_cast<WordList*>(label->parentWidget());
  return list != nullptr ? new WordListItemAccessible(label, list) : nullptr;
}

}  // namespace

void InstallWordListAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(WordListFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace vokabi::ui
