// An on-screen key types into the word box where the user left off, and completes as typing does.
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "app/settings.h"
#include "ui/main/form1.h"
#include "ui/main/keyboard.h"

namespace vokabi::ui {

void Form1::Image1_Click(int index) {
  if (index < 0 || index >= kKeyCount) return;
  QLineEdit* edit = combo1_->lineEdit();
  if (!wordBoxHasFocus_) {
    const int length = static_cast<int>(edit->text().size());
    const int start = std::clamp(savedSelStart_, 0, length);
    edit->setCursorPosition(start);
    if (savedSelLength_ > 0) edit->setSelection(start, std::min(savedSelLength_, length - start));
  }
  edit->insert(QString(KeyCharacter(index)));
  combo1_->setProperty("charset", KeyCharset(index));
  savedSelStart_ = WordBoxSelStart();
  if (AppSettings.CompleteWord) CompleteWordBox();
  savedSelStart_ = WordBoxSelStart();
  savedSelLength_ = WordBoxSelLength();
}

}  // namespace vokabi::ui
