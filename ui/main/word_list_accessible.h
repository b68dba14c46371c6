#pragma once

namespace vokabi::ui {

// Lets assistive technology see the word list as a list of its nine headwords in the order the
// rows show them, the highlighted one selected. Installed once, by the first list made.
void InstallWordListAccessibility();

}  // namespace vokabi::ui
