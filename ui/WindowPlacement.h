#pragma once
// Modal windows open in the middle of the screen.
#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace winpiruk {

inline void CentreOnScreen(QWidget& window) {
  window.adjustSize();
  if (const QScreen* screen = QApplication::primaryScreen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
  }
}

}  // namespace winpiruk
