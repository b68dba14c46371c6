#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <optional>

class QComboBox;
class QRect;
class QWidget;

namespace vokabi::ui {

// Combo1: the word box with its drop-down list of recent words, newest first, each with the base
// it was found in. It remembers where the user left the box, so that an on-screen key types
// there while the focus is elsewhere.
class WordBox : public QObject {
  Q_OBJECT

 public:
  // The drop-down list keeps this many recent words.
  static constexpr int kRecentWords = 20;
  struct Recent {
    QString text;
    int base = 0;
    QVariant charset;
  };

  WordBox(QWidget& window, const QRect& geometry);

  QComboBox* Combo() const { return combo1_; }
  QString Text() const;
  // The text and the character set it came in.
  void Show(const QString& text, int charset);
  // A recent word chosen from the list; a text the box holds already stays as it is.
  void ShowPicked(const Recent& recent);
  // Selects all the text, so that the next word typed, or an on-screen key, replaces it.
  void SelectAll();
  // Puts the word first in the list unless the list holds current of the base already (the base's
  // current entry), then makes the word's item the current one.
  void RecordRecent(const QString& word, int charset, int base, const QString& current);
  std::optional<Recent> Item(int index) const;
  // A base left the list: its words go, the words of the bases after it follow them up a place.
  void ForgetBase(int base);
  // Where the caret stands now: a completion selects the tail from there.
  void NoteCaret();
  // Selects from the noted caret to the end: the completed tail, which typing on replaces.
  void SelectTail();
  // Remembers the selection as it is now, for the on-screen keys.
  void RememberSelection();
  // Types a letter where the user left off, replacing what was selected there.
  void Type(QChar letter, int charset);

 signals:
  // Combo1_KeyUp: a key released in the box, with the key codes of key_codes.h and shift 1,
  // ctrl 2, alt 4; not the release of the Escape that closed the open list.
  void KeyUp(int keyCode, int shift);
  // Combo1_Click: a recent word chosen from the list.
  void Picked(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool BoxEvent(QEvent* event);
  bool ListEvent(QEvent* event);
  void MarkShown(const QString& word, int base);
  int SelStart() const;
  int SelLength() const;

  QComboBox* combo1_ = nullptr;
  bool hasFocus_ = false;
  // Escape closed the open list; its release, arriving in the box, is not the box's.
  bool escapeClosedList_ = false;
  int savedSelStart_ = 0;
  int savedSelLength_ = 0;
};

}  // namespace vokabi::ui
