#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "app/language.h"
#include "engine/dictionary.h"

class QPlainTextEdit;
class QWidget;

namespace vokabi::ui {

// Text2: the translation pane shows text and gives none of it away: no selection, no context
// menu, no clipboard, no dragging. It keeps the program's own copy of what it shows, which the
// word list and printing read.
class TranslationPane : public QObject {
  Q_OBJECT

 public:
  explicit TranslationPane(QWidget& window);

  QPlainTextEdit* Edit() const { return text2_; }
  // Engine text, decoded with its character set.
  void Show(const std::string& bytes, int charset);
  // The current result's article and the other side's, each under its direction; the program's
  // copy, and so printing, holds both with their headings.
  void ShowBothArticles(const InterfaceLanguage& language, const Dictionary& dictionary,
                        const Article& other);
  // A line above what the pane shows, left out of the program's copy (and so of printing).
  void Note(const QString& line);
  // The program's copy: as engine bytes, and as it is printed.
  const std::string& Bytes() const { return bytes_; }
  const QString& Text() const { return text_; }

 signals:
  // A key released in the pane, with the key codes of key_codes.h.
  void KeyUp(int keyCode);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetText(const QString& text);

  QPlainTextEdit* text2_ = nullptr;
  std::string bytes_;
  QString text_;
};

}  // namespace vokabi::ui
