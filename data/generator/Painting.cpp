#include "Painting.h"

#include <QTransform>

namespace winpiruk::datagen {

QImage Turned(const QImage& image, int degrees_clockwise) {
  if (degrees_clockwise % 360 == 0) return image;
  // Quarter turns map pixels one to one, so nothing is resampled.
  return image.transformed(QTransform().rotate(degrees_clockwise), Qt::FastTransformation);
}

}  // namespace winpiruk::datagen
