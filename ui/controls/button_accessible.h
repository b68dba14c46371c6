#pragma once

#include <QString>

namespace vokabi::ui {

// A caption as it reads aloud: "&&" is an ampersand, a single "&" only marks the access key.
QString CaptionText(const QString& caption);

// Lets assistive technology see every Button as a push button named by its caption (or by its
// tooltip when it has none), which it can press. Installed once, by the first button made.
void InstallButtonAccessibility();

}  // namespace vokabi::ui
