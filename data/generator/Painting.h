#pragma once
// Shared helpers of the picture generator: blank images, turning and the
// colours every picture agrees on.
#include <QColor>
#include <QImage>
#include <QPainter>

namespace winpiruk::datagen {

// The felt the pictures' opaque surrounds (card corners, arrow squares)
// are filled with, so that they melt into the table's plain background.
inline QColor TableFelt() { return QColor(0x18, 0x6e, 0x3c); }

inline QImage NewImage(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

// A painter with smooth edges and smooth scaled pictures.
inline void MakeSmooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// Turns a picture by a multiple of 90 degrees, clockwise.
QImage Turned(const QImage& image, int degrees_clockwise);

}  // namespace winpiruk::datagen
