#pragma once
// Where windows open: modal windows in the middle of their screen, the table
// where it was left as long as the user can still take hold of it there.
#include <QList>
#include <QRect>
#include <QWidget>

namespace winpiruk {

// Centres the window, frame included, on its screen (the primary screen
// before it is first shown). The window keeps its size.
void CentreOnScreen(QWidget& window);

// The place a window saved at `saved` (its frame's top-left and its own
// size, in pixels) opens at: no smaller than `least` either way, and, when
// no screen shows enough of its title bar to drag it by, centred on the
// first of `screens` (the primary screen's available area), top-left corner
// on that screen. Without screens the place is only grown to `least`.
QRect ReachablePlace(const QRect& saved, const QSize& least, const QList<QRect>& screens);

// The available areas of the screens, the primary screen's first.
QList<QRect> AvailableScreenAreas();

}  // namespace winpiruk
