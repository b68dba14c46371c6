#include "ui/main/translation_pane.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

#include "ui/controls/key_codes.h"
#include "ui/main/engine_text.h"

namespace vokabi::ui {

namespace {

bool ReachesClipboard(const QKeyEvent& key) {
  return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut) ||
         key.matches(QKeySequence::Paste) || key.matches(QKeySequence::SelectAll);
}

// "Руски → Български": the direction of an article whose word is on the side.
QString Direction(const InterfaceLanguage& language, const Dictionary& dictionary, int side) {
  const std::int32_t ezik = language.Ezik();
  const auto name = [&](int s) {
    return DecodeText(language.LanguageCharset,
                      dictionary.Ime_na_Dic(ezik, static_cast<std::int16_t>(s)));
  };
  return name(side) + QStringLiteral(" \u2192 ") + name(3 - side);
}

}  // namespace

TranslationPane::TranslationPane(QWidget& window) : QObject(&window) {
  text2_ = new QPlainTextEdit(&window);
  text2_->setObjectName(QStringLiteral("Text2"));
  text2_->setReadOnly(true);
  // Without selection nothing reaches the clipboard or the primary selection.
  text2_->setTextInteractionFlags(Qt::NoTextInteraction);
  // Still focusable, so that Escape in the pane can return to the word box.
  text2_->setFocusPolicy(Qt::StrongFocus);
  text2_->setContextMenuPolicy(Qt::NoContextMenu);
  text2_->setAcceptDrops(false);
  text2_->viewport()->setAcceptDrops(false);
  text2_->setUndoRedoEnabled(false);
  text2_->setProperty("charset", 0);
  text2_->installEventFilter(this);
  text2_->viewport()->installEventFilter(this);
}

bool TranslationPane::eventFilter(QObject* watched, QEvent* event) {
  if (watched != text2_ && watched != text2_->viewport())
    return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (!ReachesClipboard(*key)) return false;
      key->accept();
      return true;
    }
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (!key->isAutoRepeat()) emit KeyUp(VirtualKey(key->key()));
      return false;
    }
    case QEvent::MouseButtonPress:
      text2_->setFocus(Qt::MouseFocusReason);
      return true;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

void TranslationPane::Show(const std::string& bytes, int charset) {
  bytes_ = bytes;
  text_ = DecodeText(charset, bytes);
  SetText(text_);
  text2_->setProperty("charset", charset);
}

void TranslationPane::ShowBothArticles(const InterfaceLanguage& language,
                                       const Dictionary& dictionary, const Article& other) {
  // The first article stays the program's translation (the word list and the print button test
  // it); the copy that is printed holds both.
  text_ = Direction(language, dictionary, dictionary.DumaSide()) + QStringLiteral("\r\n") +
          DecodeText(dictionary.PrevodCHSet(), dictionary.Prevod()) + QStringLiteral("\r\n\r\n") +
          Direction(language, dictionary, other.side) + QStringLiteral("\r\n") +
          DecodeText(other.translationCharset, other.translation);
  SetText(text_);
}

void TranslationPane::Note(const QString& line) {
  text2_->setPlainText(line + QLatin1Char('\n') + text2_->toPlainText());
}

void TranslationPane::SetText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text2_->setPlainText(shown);
}

}  // namespace vokabi::ui
