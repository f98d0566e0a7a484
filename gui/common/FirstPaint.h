#pragma once
// Work that must not hold up the first look at a window.
#include <functional>

class QWidget;

namespace winpiruk {

// Runs `action` once on the window thread, after `window` (shown) has been
// put on screen and painted for the first time; never, if the window goes first.
void AfterFirstPaint(QWidget* window, std::function<void()> action);

}  // namespace winpiruk
