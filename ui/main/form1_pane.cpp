// The translation pane shows text and gives none of it away: no selection, no context menu, no
// clipboard, no dragging. The program keeps its own copy of what the pane shows.
#include <QKeyEvent>
#include <QPlainTextEdit>

#include "app/language.h"
#include "ui/controls/key_codes.h"
#include "ui/main/engine_text.h"
#include "ui/main/form1.h"

namespace vokabi::ui {

namespace {

bool ReachesClipboard(const QKeyEvent& key) {
  return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut) ||
         key.matches(QKeySequence::Paste) || key.matches(QKeySequence::SelectAll);
}

}  // namespace

void Form1::SetUpPane() {
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

bool Form1::PaneEvent(QEvent* event) {
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
      if (!key->isAutoRepeat()) EscapeReleased(VirtualKey(key->key()));
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

void Form1::ShowPane(const std::string& bytes, int charset) {
  paneBytes_ = bytes;
  paneText_ = DecodeText(charset, bytes);
  QString text = paneText_;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text2_->setPlainText(text);
  text2_->setProperty("charset", charset);
}

QString Form1::Direction(const Dictionary& dictionary, int side) const {
  const std::int32_t ezik = LanguageOffset / 1000;
  const auto name = [&](int s) {
    return DecodeText(LanguageCharset, dictionary.Ime_na_Dic(ezik, static_cast<std::int16_t>(s)));
  };
  return name(side) + QStringLiteral(" \u2192 ") + name(3 - side);
}

void Form1::ShowBothArticles(const Dictionary& dictionary, const Article& other) {
  // The first article stays the program's translation (the word list and the print button test
  // it); the copy that is printed holds both.
  paneText_ = Direction(dictionary, dictionary.DumaSide()) + QStringLiteral("\r\n") +
              DecodeText(dictionary.PrevodCHSet(), dictionary.Prevod()) +
              QStringLiteral("\r\n\r\n") + Direction(dictionary, other.side) +
              QStringLiteral("\r\n") + DecodeText(other.translationCharset, other.translation);
  QString text = paneText_;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text2_->setPlainText(text);
}

void Form1::NoteOnPane(const QString& line) {
  text2_->setPlainText(line + QLatin1Char('\n') + text2_->toPlainText());
}

}  // namespace vokabi::ui
