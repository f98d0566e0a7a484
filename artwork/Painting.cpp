#include "artwork/Painting.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

namespace winpiruk::artwork {

QSize ScaledSize(int width, int height, double scale) {
  return {std::max(1, static_cast<int>(std::lround(width * scale))),
          std::max(1, static_cast<int>(std::lround(height * scale)))};
}

QImage NewImage(int width, int height, const QColor& fill, double scale) {
  QImage image(ScaledSize(width, height, scale), QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

void ScaleToUnits(QPainter& painter, const QImage& image, int width, int height) {
  painter.scale(static_cast<double>(image.width()) / width, static_cast<double>(image.height()) / height);
}

QImage Turned(const QImage& image, int degrees_clockwise) {
  if (degrees_clockwise % 360 == 0) return image;
  // Quarter turns map pixels one to one, so nothing is resampled.
  return image.transformed(QTransform().rotate(degrees_clockwise), Qt::FastTransformation);
}

}  // namespace winpiruk::artwork
