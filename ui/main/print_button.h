#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace vokabi {
class AppContext;
}

namespace vokabi::ui {

class TranslationPane;
struct WindowServices;
class WordBox;

// BtnPrint: the word box's word and the pane's translation on one page of the chosen printer,
// with no dialog and no preview. The window goes on answering while the page is on its way; the
// outcome is said after, in a message box over the window.
class PrintButton : public QObject {
  Q_OBJECT

 public:
  PrintButton(const WordBox& wordBox, const TranslationPane& pane, QWidget& window,
              const AppContext& context, const WindowServices& services);

  void Print();

 private:
  const WordBox& wordBox_;
  const TranslationPane& pane_;
  QWidget& window_;
  const AppContext& context_;
  const WindowServices& services_;
};

}  // namespace vokabi::ui
