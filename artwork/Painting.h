#pragma once
// Shared helpers of the pictures: blank images at a scale, turning and the
// colours every picture agrees on.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>

#include "presentation/Appearance.h"

namespace winpiruk::artwork {

// The felt the pictures' opaque surrounds are filled with.
inline QColor TableFelt() { return QColor(kTableFelt.red, kTableFelt.green, kTableFelt.blue); }

// A picture of `width` × `height` units drawn `scale` times as large has
// round(width × scale) × round(height × scale) pixels, never fewer than one.
QSize ScaledSize(int width, int height, double scale);

// A blank image of the scaled size.
QImage NewImage(int width, int height, const QColor& fill, double scale = 1.0);

// A painter with smooth edges and smooth scaled pictures.
inline void MakeSmooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// Scales `painter` on `image` so that a picture of `width` × `height` units
// drawn in its own units fills the image exactly; the picture is drawn at the
// image's resolution, not enlarged afterwards.
void ScaleToUnits(QPainter& painter, const QImage& image, int width, int height);

// Turns a picture by a multiple of 90 degrees, clockwise.
QImage Turned(const QImage& image, int degrees_clockwise);

}  // namespace winpiruk::artwork
