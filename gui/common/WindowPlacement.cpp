#include "gui/common/WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

namespace winpiruk {
namespace {

// The strip along a window's top where a title bar sits, and how much of it
// one screen must show for the user to drag the window by it.
constexpr int kTitleBarHeight = 24;
constexpr int kGripWidth = 100;
constexpr int kGripHeight = kTitleBarHeight / 2;

bool CanBeDragged(const QRect& place, const QList<QRect>& screens) {
  const QRect title_bar(place.topLeft(), QSize(place.width(), kTitleBarHeight));
  const int grip_width = std::min(kGripWidth, place.width());
  return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
    const QRect shown = title_bar.intersected(screen);
    return shown.width() >= grip_width && shown.height() >= kGripHeight;
  });
}

QPoint CentredOn(const QRect& area, const QSize& size) {
  const QPoint centred = area.center() - QPoint(size.width() / 2, size.height() / 2);
  // A window larger than the screen keeps its title bar on it.
  return QPoint(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
}

}  // namespace

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() != nullptr ? window.screen() : QApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window.frameGeometry().size();
  window.move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

QRect ReachablePlace(const QRect& saved, const QSize& least, const QList<QRect>& screens) {
  const QRect place(saved.topLeft(), saved.size().expandedTo(least));
  if (screens.isEmpty() || CanBeDragged(place, screens)) return place;
  return QRect(CentredOn(screens.front(), place.size()), place.size());
}

QList<QRect> AvailableScreenAreas() {
  QList<QRect> areas;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary != nullptr) areas.append(primary->availableGeometry());
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) areas.append(screen->availableGeometry());
  }
  return areas;
}

}  // namespace winpiruk
