#pragma once
// Modal windows open in the middle of the screen they are shown on.
#include <QWidget>

namespace winpiruk {

// Centres the window, frame included, on its screen (the primary screen
// before it is first shown). The window keeps its size.
void CentreOnScreen(QWidget& window);

}  // namespace winpiruk
