#pragma once
// Where the settings dialogs open.
class QWidget;

namespace winpiruk {

// Places a window in the middle of the screen it opens on.
void CentreOnScreen(QWidget* window);

}  // namespace winpiruk
