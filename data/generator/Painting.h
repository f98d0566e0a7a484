#pragma once
// Shared helpers of the picture generator: blank images, turning and the
// colours every picture agrees on.
#include <QColor>
#include <QImage>
#include <QPainter>

#include "presentation/Appearance.h"

namespace winpiruk::datagen {

// The felt the pictures' opaque surrounds are filled with.
inline QColor TableFelt() { return QColor(kTableFelt.red, kTableFelt.green, kTableFelt.blue); }

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
