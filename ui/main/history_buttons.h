#pragma once

#include <QObject>
#include <cstdint>
#include <string>

#include "engine/dictionary.h"

namespace vokabi::ui {

// What the history buttons need from the window that hosts them.
class HistoryHost {
 public:
  virtual ~HistoryHost() = default;
  // The working base, none while no base is loaded.
  virtual Dictionary* HistoryBase() = 0;
  virtual int WorkDic() const = 0;
  // Puts an entry on screen as a lookup does.
  virtual void ShowTranslation(const std::string& word, const std::string& translation,
                               std::int32_t position, int wordCharset, int translationCharset,
                               int dictionaryIndex) = 0;
};

// BtnBack and BtnNext walk the working base's own history. They show a stored entry without
// looking it up again, so the base's current entry, and with it the recent words, stay as the
// last lookup left them.
class HistoryButtons : public QObject {
  Q_OBJECT

 public:
  HistoryButtons(HistoryHost& host, QObject* parent);

  void Back();
  void Next();

 private:
  void Show(Dictionary& dictionary);

  HistoryHost& host_;
};

}  // namespace vokabi::ui
