#pragma once

class QWidget;

namespace vokabi::ui {

// Whether the platform can minimise a window: without a window manager (the offscreen and
// minimal platforms have none) it cannot.
bool PlatformMinimises();
// Puts a window into the topmost band or takes it out, without moving or activating it; the
// window is shown.
void SetTopmost(QWidget* window, bool topmost);

}  // namespace vokabi::ui
