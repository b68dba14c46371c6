#pragma once

#include <QFont>
#include <QStringList>
#include <vector>

namespace vokabi::ui {

// How the command buttons share their row: each button as wide as its caption needs, the spare
// width shared out evenly, and a smaller caption font only when the captions cannot fit at font.
struct CommandRow {
  std::vector<int> widths;
  QFont font;
};

CommandRow PlanCommandRow(const QStringList& captions, const QFont& font, int rowWidth, int gap);

}  // namespace vokabi::ui
