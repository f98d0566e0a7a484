#include "gui/common/WindowPlacement.h"

#include <QApplication>
#include <QScreen>

namespace winpiruk {

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() != nullptr ? window.screen() : QApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window.frameGeometry().size();
  window.move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace winpiruk
